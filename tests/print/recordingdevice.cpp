// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingdevice.h"

#include <QTextItem>

class RecordingDevice::Engine : public QPaintEngine {
public:
    explicit Engine(std::vector<Item>& items)
        : QPaintEngine(AllFeatures)
        , items_(items) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen)
            pen_ = state.pen();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& text) override {
        items_.push_back({Item::Text, text.text(), p, text.font(), {}, {}, pen_});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            items_.push_back({Item::Line, {}, {}, {}, lines[i], {}, pen_});
    }
    void drawEllipse(const QRectF& rect) override {
        items_.push_back({Item::Ellipse, {}, {}, {}, {}, rect, pen_});
    }

private:
    std::vector<Item>& items_;
    QPen pen_;
};

RecordingDevice::RecordingDevice()
    : engine_(std::make_unique<Engine>(items_)) {}

RecordingDevice::~RecordingDevice() = default;

std::vector<RecordingDevice::Item> RecordingDevice::itemsOf(Item::Kind kind) const {
    std::vector<Item> found;
    for (const auto& item : items_) {
        if (item.kind == kind)
            found.push_back(item);
    }
    return found;
}

QPaintEngine* RecordingDevice::paintEngine() const {
    return engine_.get();
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return 11906; // A4 in twips
    case PdmHeight:
        return 16838;
    case PdmWidthMM:
        return 210;
    case PdmHeightMM:
        return 297;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 1440;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
