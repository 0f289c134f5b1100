// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The busy pointer over the whole program while long work runs on the main screen. It is
// restored when the object goes, unless keep() hands that over to the next screen. Without
// a GUI application (logic tests) it does nothing.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void keep() { kept_ = true; }

private:
    bool shown_ = false;
    bool kept_ = false;
};
