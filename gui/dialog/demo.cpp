// Shows the message dialog in both of its styles, then with texts that grow it and scroll it.
//     ulnik-dialog-demo                  answer each dialog yourself
//     ulnik-dialog-demo --screenshot DIR saves style1.png, style3.png, grown.png and scrolled.png
//                                        in DIR and closes them
#include "message_box.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Grabs the screen once the dialog is up, then closes it.
void ScreenshotNextDialog(const QString& file)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, file] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        dialog->close();
        timer->deleteLater();
    });
    timer->start(700);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulnik"));
    const bool screenshots = argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--screenshot");
    const QDir folder(screenshots ? QString::fromLocal8Bit(argv[2]) : QString());

    CreateWarningDialog();

    if (screenshots)
        ScreenshotNextDialog(folder.filePath(QStringLiteral("style1.png")));
    const int one = ShowMessageBox(StyleZamknij, IconUwaga,
                                   QStringLiteral("Wystąpiły problemy z otwarciem pliku.\rBłędny typ pliku."));
    std::printf("Style 1: DialogResult %d\n", one);

    if (screenshots)
        ScreenshotNextDialog(folder.filePath(QStringLiteral("style3.png")));
    const int three = ShowMessageBox(StyleTakNieAnuluj, IconPytanie,
                                     QStringLiteral("Czy dołączyć do wydruku listę uczniów?\r"
                                                    "Wybierz „Nie”, aby wydrukować samo podsumowanie."));
    std::printf("Style 3: DialogResult %d\n", three);

    for (const int files : {8, 60}) {
        QString text = QStringLiteral("Pominięto %1 sprawozdań z plików:").arg(files);
        for (int i = 1; i <= files; ++i)
            text += QStringLiteral("\rklasa_%1_klasyfikacja.xml (uszkodzony: urywa się w połowie)").arg(i);
        if (screenshots)
            ScreenshotNextDialog(folder.filePath(files == 8 ? QStringLiteral("grown.png") : QStringLiteral("scrolled.png")));
        std::printf("%d files: DialogResult %d\n", files, ShowMessageBox(StyleZamknij, IconInformacja, text));
    }
    return 0;
}
