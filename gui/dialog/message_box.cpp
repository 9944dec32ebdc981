#include "message_box.h"

#include "tfwarning.h"

#include <QApplication>
#include <QPointer>

namespace {

QPointer<TFWarning> FWarning;

} // namespace

void CreateWarningDialog(QWidget* owner)
{
    if (FWarning)
        return;
    FWarning = new TFWarning(owner);
    if (!owner)
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, FWarning, &QObject::deleteLater);
}

int ShowMessageBox(int style, int icon, const QString& text)
{
    CreateWarningDialog();
    // Only styles 1 and 3 exist; anything else would show the previous display's buttons
    // with Tak highlighted, so it is shown as style 1.
    if (style != StyleTakNieAnuluj)
        style = StyleZamknij;

    FWarning->PrepareDialogImages(style);
    FWarning->ShowButtons(style);
    FWarning->SetText(text);
    FWarning->ShowDialogIcon(icon);
    FWarning->CentreOnScreen();
    return FWarning->ShowModal();
}
