// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and printers need a QGuiApplication; GoogleTest's own main makes none.
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

int argc = 1;
char name[] = "printtest";
char* argv[] = {name, nullptr};

struct GuiApplication : testing::Environment {
    void SetUp() override { app = std::make_unique<QGuiApplication>(argc, argv); }
    void TearDown() override { app.reset(); }
    std::unique_ptr<QGuiApplication> app;
};

const auto* const environment = testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
