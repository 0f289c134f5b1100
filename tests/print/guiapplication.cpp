// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and printers need a QGuiApplication; GoogleTest's own main makes none.
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class GuiApplication : public testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[10] = "printtest";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

const auto* const environment = testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
