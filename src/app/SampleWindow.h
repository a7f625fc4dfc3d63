#pragma once

#include <QMainWindow>

class QListWidget;

namespace quenbrook {

// The pictures of one folder as thumbnails: the window the program opens until its album
// windows take over.
class SampleWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit SampleWindow(const QString& folder, QWidget* parent = nullptr);

private:
    void showFolder(const QString& folder);

    QListWidget* list_;
};

} // namespace quenbrook
