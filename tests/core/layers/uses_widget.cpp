// SPDX-License-Identifier: GPL-2.0-or-later
// Must not build: the core has no widgets.
#include <QWidget>

int main()
{
    QWidget window;
    return 0;
}
