// The yardstick for Rechnado's start-up: a bare Qt Widgets window with the same widgets in the same
// tree as Rechnado's main window (a frame, eleven labels, a picture, a shape, six text fields, six
// buttons and a timer), built directly, without layout tables or window instances.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare v1.6"));
    window.setFixedSize(266, 276);
    auto *frame = new QFrame(&window);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(4, 0, 257, 273);

    auto *shape = new QWidget(frame);
    shape->setGeometry(11, 13, 237, 53);
    shape->setAutoFillBackground(true);
    const char *labels[] = {
        "Der",      "Rechnado", "Version 1.6.3", "Betrag 1", "Datum / Uhrzeit", " Moment mal ...",
        "Betrag 2", "Laufzeit", "% Prozent",     "Zinssatz", "1  zu  2"};
    int y = 14;
    for (const char *text : labels) {
        auto *label = new QLabel(QString::fromUtf8(text), frame);
        label->setGeometry(12, y, 105, 17);
        y += 20;
    }
    auto *picture = new QLabel(frame);
    QPixmap tomato(50, 50);
    tomato.fill(Qt::red);
    picture->setPixmap(tomato);
    picture->setScaledContents(true);
    picture->setGeometry(153, 38, 21, 21);

    new QLineEdit(frame); // the percentage field lies in the frame
    for (int i = 0; i < 5; ++i) {
        auto *field = new QLineEdit(&window);
        field->setGeometry(16 + (i % 2) * 128, 88 + (i / 2) * 48, 105, 25);
    }
    const char *buttons[] = {"Sparplan", "About", "Berechnen !", "Exit"};
    int x = 12;
    for (const char *text : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(text), frame);
        button->setGeometry(x, 220, 53, 21);
        x += 60;
    }
    auto *neu = new QPushButton(QStringLiteral("Neu"), &window);
    neu->setGeometry(16, 244, 53, 21);
    QObject::connect(neu, &QPushButton::clicked, &app, &QApplication::quit);
    QTimer clock;
    clock.start(1000);

    window.show();
    return QApplication::exec();
}
