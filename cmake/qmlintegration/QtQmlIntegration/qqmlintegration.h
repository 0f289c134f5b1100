// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for Qt's QML registration header, which Qt TextToSpeech's header includes for
// one macro that only QML's type registration reads. C++ code never needs it.
#pragma once
#define QML_ELEMENT
