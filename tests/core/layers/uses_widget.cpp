// Must not build: the core has no widgets.
#include <QWidget>

int main()
{
    QWidget window;
    return 0;
}
