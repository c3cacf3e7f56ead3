// The reference for start-up: a bare Qt program that shows a window of ten buttons, the size of
// the main menu, and ends once it has been painted, as `numerion --quit-after-show` does.
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

namespace {

class QuitOncePainted : public QObject {
public:
    explicit QuitOncePainted(QWidget* window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(632, 424);
    for (int i = 0; i < 10; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window);
        button->setGeometry(16 + (i % 2) * 304, 16 + (i / 2) * 80, 288, 64);
    }
    new QuitOncePainted(&window);
    window.show();
    return app.exec();
}
