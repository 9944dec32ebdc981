#include "warning_pictures.h"

#include "warning_state.h"

QString ButtonPicture(int button, bool highlighted)
{
    static const char* const polish[] = {"buttak", "butnie", "butanuluj", "butzamknij"};
    static const char* const english[] = {"butyes", "butno", "butcancel", "butclose"};
    Q_ASSERT(button >= ButTak && button <= ButZamknij);

    const auto& names = DialogLanguage == QStringLiteral("pl") ? polish : english;
    QString name = QString::fromLatin1(names[button - ButTak]);
    if (highlighted)
        name += QStringLiteral("akt");
    return name;
}

QString ButtonWord(int button)
{
    static const char* const polish[] = {"Tak", "Nie", "Anuluj", "Zamknij"};
    static const char* const english[] = {"Yes", "No", "Cancel", "Close"};
    Q_ASSERT(button >= ButTak && button <= ButZamknij);
    const auto& words = DialogLanguage == QStringLiteral("pl") ? polish : english;
    return QString::fromLatin1(words[button - ButTak]);
}

// Not "Zamknij" alone: with the three buttons the close area answers Anuluj.
QString CloseAreaWord()
{
    return DialogLanguage == QStringLiteral("pl") ? QStringLiteral("Zamknij okno") : QStringLiteral("Close window");
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
