// SPDX-License-Identifier: GPL-2.0-or-later
// Must not build: the core has no printers.
#include <QPrinter>

int main()
{
    QPrinter printer;
    return 0;
}
