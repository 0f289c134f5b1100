// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <memory>
#include <vector>

// A 1440-dpi paint device (one pixel is a twip) that records what is drawn on it.
class RecordingDevice : public QPaintDevice {
public:
    struct Item {
        enum Kind { Text, Line, Ellipse } kind;
        QString text;
        QPointF position; // text baseline start
        QFont font;
        QLineF line;
        QRectF ellipse;
        QPen pen;
    };

    RecordingDevice();
    ~RecordingDevice() override;

    const std::vector<Item>& items() const { return items_; }
    std::vector<Item> itemsOf(Item::Kind kind) const;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::vector<Item> items_;
    std::unique_ptr<Engine> engine_;
};
