#include "warning_pictures.h"

#include "dialog_button.h"

QString ButtonPicture(int button, bool highlighted, bool polish)
{
    static const char* const polishNames[] = {"buttak", "butnie", "butanuluj", "butzamknij"};
    static const char* const englishNames[] = {"butyes", "butno", "butcancel", "butclose"};
    Q_ASSERT(button >= ButTak && button <= ButZamknij);

    const auto& names = polish ? polishNames : englishNames;
    QString name = QString::fromLatin1(names[button - ButTak]);
    if (highlighted)
        name += QStringLiteral("akt");
    return name;
}

QString ButtonWord(int button, bool polish)
{
    static const char* const polishWords[] = {"Tak", "Nie", "Anuluj", "Zamknij"};
    static const char* const englishWords[] = {"Yes", "No", "Cancel", "Close"};
    Q_ASSERT(button >= ButTak && button <= ButZamknij);
    const auto& words = polish ? polishWords : englishWords;
    return QString::fromLatin1(words[button - ButTak]);
}

// Not "Zamknij" alone: with the three buttons the close area answers Anuluj.
QString CloseAreaWord(bool polish)
{
    return polish ? QStringLiteral("Zamknij okno") : QStringLiteral("Close window");
}

QString IconWord(int icon, bool polish)
{
    switch (icon) {
    case 1:
        return polish ? QStringLiteral("Informacja") : QStringLiteral("Information");
    case 2:
        return polish ? QStringLiteral("Pytanie") : QStringLiteral("Question");
    case 3:
        return polish ? QStringLiteral("Uwaga") : QStringLiteral("Warning");
    default:
        return {};
    }
}

QString IconPicture(int icon)
{
    switch (icon) {
    case 1:
        return QStringLiteral("ikoinfo");
    case 2:
        return QStringLiteral("ikopytanie");
    case 3:
        return QStringLiteral("ikouwaga");
    default:
        return {};
    }
}
