#!/usr/bin/env python3
"""Writes the sample report files of Ulnik (samples/*.xml and samples/odebrane/*.xml).

Run:  python3 samples/make_samples.py
Files are written as Windows-1250 (with an XML declaration naming it) or as
UTF-16 LE with a byte-order mark, with CR LF line ends.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


# --- a tiny tree: (name, text, children); comments and CDATA get names of their own
def E(name, *kids, text=""):
    return (name, text, list(kids))


def T(name, text):
    return (name, str(text), [])


def Comment(text):
    return ("!--", text, [])


def CData(text):
    return ("![CDATA[", text, [])


def esc(s):
    return (s.replace("&", "&amp;").replace("<", "&lt;")
             .replace(">", "&gt;").replace('"', "&quot;"))


def to_xml(node, depth=0, lower=False):
    name, text, kids = node
    pad = "  " * depth
    if name == "!--":
        return f"{pad}<!-- {text} -->"
    if name == "![CDATA[":
        return f"{pad}<![CDATA[{text}]]>"
    n = name.lower() if lower else name
    if not kids:
        return f"{pad}<{n}>{esc(text)}</{n}>"
    lines = [f"{pad}<{n}>{esc(text)}"]
    lines += [to_xml(k, depth + 1, lower) for k in kids]
    lines.append(f"{pad}</{n}>")
    return "\n".join(lines)


def write(path, root, utf16=False, lower=False):
    decl = 'UTF-16' if utf16 else 'windows-1250'
    text = f'<?xml version="1.0" encoding="{decl}"?>\n' + to_xml(root, lower=lower) + "\n"
    text = text.replace("\n", "\r\n")
    data = b"\xff\xfe" + text.encode("utf-16-le") if utf16 else text.encode("cp1250")
    full = os.path.join(HERE, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as f:
        f.write(data)


# --- report building blocks
def numbered_lines(lines, stem):
    """IloscWierszy = N, then stem0 .. stem(N-1)."""
    return [T("IloscWierszy", len(lines))] + [T(f"{stem}{i}", s) for i, s in enumerate(lines)]


def block(name, lines):
    """Line block of a section: IloscWierszy, w0, w1, ..."""
    return E(name, *numbered_lines(lines, "w"))


def school(doc, date, belfer, *rest):
    return E("Szkola", T("Doc", doc), T("Date", date), T("Belfer", belfer), *rest)


def klasyfikacja(date, belfer, klasa, ile, frekwencja, pasek, ndst, note=None):
    pasek_kids = [T("IleOsob", len(pasek))] + ([Comment(note)] if note else [])
    pasek_kids += [E(f"Uczen{i}", T("Srednia", avg), text=nm)
                   for i, (nm, avg) in enumerate(pasek, 1)]
    return school("Klasyfikacja klasy", date, belfer,
        T("Klasa", klasa), T("Klasyfikowanych", ile),
        E("Frekwencja", T("IleOsob", len(frekwencja)),
          *[T(f"Uczen{i}", nm) for i, nm in enumerate(frekwencja, 1)]),
        E("Pasek", *pasek_kids),
        E("Ndst", T("IleOsob", len(ndst)),
          *[E(f"Uczen{i}", T("Przedmioty", subj), text=nm)
            for i, (nm, subj) in enumerate(ndst, 1)]))


def zachowanie(date, belfer, klasa, ile, wzorowi, obnizone, uwagi):
    return school("Klasyfikacja klasy z zachowania", date, belfer,
        T("Klasa", klasa), T("Klasyfikowanych", ile),
        E("Wzorowi", T("IleOsob", len(wzorowi)),
          *[T(f"Uczen{i}", nm) for i, nm in enumerate(wzorowi, 1)]),
        E("Obnizone", T("Ilosc", len(obnizone)),
          *[E(f"Uzasadnienie{i}", T("Osoba", osoba), T("Ocena", ocena),
              *numbered_lines(lines, "Wiersz"))
            for i, (osoba, ocena, lines) in enumerate(obnizone, 1)]),
        block("Uwagi", uwagi))


def programme_blocks(ogolne, sukcesy, wnioski):
    return block("Ogolne", ogolne), block("Sukcesy", sukcesy), block("Wnioski", wnioski)


def program(date, belfer, przedmiot, klasy, *blocks):
    return school("Realizacja programu z przedmiotu nauczania", date, belfer,
                  T("Przedmiot", przedmiot), T("Klasy", klasy), *programme_blocks(*blocks))


def dodatkowe(date, belfer, zajecia, *blocks):
    return school("Realizacja dodatkowych", date, belfer,
                  T("Zajecia", zajecia), *programme_blocks(*blocks))


def wychowawczy(date, belfer, klasa, *blocks):
    return school("Realizacja programu wychowawczego", date, belfer,
                  T("Klasa", klasa), *programme_blocks(*blocks))


def uzasadnienie(date, belfer, klasa, przedmiot, cases):
    return school("Uzasadnienie oceny niedostatecznej", date, belfer,
        T("Klasa", klasa), T("Przedmiot", przedmiot),
        E("Uzasadnienia", T("Ilosc", len(cases)),
          *[E(f"Uzasadnienie{i}", T("Osoba", osoba), *numbered_lines(lines, "Wiersz"))
            for i, (osoba, lines) in enumerate(cases, 1)]))


def dyrektor(date, belfer, dydaktyczna, nadzor):
    return school("Sprawozdanie dyrektora", date, belfer,
                  block("Dydaktyczna", dydaktyczna), block("Nadzor", nadzor))


def inne(date, belfer, dotyczy, info, *extra):
    return school("Inne informacje", date, belfer, T("Dotyczy", dotyczy), block("Info", info), *extra)


def karta(date, belfer, info, *extra):
    return school("Z karty", date, belfer, block("Info", info), *extra)


# =====================================================================
# samples/: one report of each type
# =====================================================================
write("klasyfikacja_klasy_3a.xml", klasyfikacja(
    "2026-01-23", "Wiśniewska Joanna", "3a", "26",
    ["Bartosz Kaczmarczyk", "Zofia Dąbrowska", "Mikołaj Sołtysiak"],
    [("Zofia Dąbrowska", 512), ("Łucja Pietrzak", 487), ("Jakub Woźniak", 475),
     ("Helena Żurawska", 400), ("Antoni Głowacki", 0)],
    [("Kacper Mazurek", "matematyka, fizyka"), ("Oliwia Sęk", "język angielski")],
    note="Antoni Głowacki - wyróżnienie za I miejsce w wojewódzkich zawodach pływackich, średnia nie jest podawana"))

write("zachowanie_3a.xml", zachowanie(
    "23.01.2026", "Wiśniewska Joanna", "3a", "26",
    ["Zofia Dąbrowska", "Łucja Pietrzak", "Jakub Woźniak", "Maja Kołodziej"],
    [("Kacper Mazurek, Dawid Cieślak", "nieodpowiednie", [
        "Uczniowie wielokrotnie opuszczali lekcje bez usprawiedliwienia (łącznie 48 godzin).",
        "W grudniu zniszczyli gablotę na korytarzu II piętra; szkoda została naprawiona przez rodziców.",
        "Nie reagowali na uwagi nauczycieli i pracowników szkoły."]),
     ("Wiktoria Nowakowska", "poprawne", [
        "Częste spóźnienia na pierwsze lekcje i używanie telefonu w czasie zajęć.",
        "Po rozmowie z pedagogiem szkolnym zachowanie uczennicy wyraźnie się poprawiło."])],
    ["Klasa jest zgrana, chętnie uczestniczy w życiu szkoły.",
     "Frekwencja klasy w I półroczu wyniosła 93,4%.",
     "Czworo uczniów objęto pomocą psychologiczno-pedagogiczną."]), utf16=True)

write("program_nauczania_matematyka.xml", program(
    "2026-01-22", "Grabowski Marek", "matematyka", "2a, 2b, 3a",
    ["Program nauczania matematyki zrealizowano zgodnie z rozkładem materiału na I półrocze.",
     "Klasa 2a: liczby rzeczywiste, wyrażenia algebraiczne, równania i nierówności.",
     "Klasa 2b: funkcja liniowa i jej własności, układy równań liniowych.",
     "Klasa 3a: funkcja kwadratowa, ciągi arytmetyczne i geometryczne.",
     "W każdej klasie przeprowadzono po trzy sprawdziany i sześć kartkówek.",
     "Prace klasowe były zapowiadane z tygodniowym wyprzedzeniem.",
     "Średnia ocen z przedmiotu: 2a – 3,62; 2b – 3,41; 3a – 3,88.",
     "Z powodu wycieczki klasy 2b przesunięto dwie lekcje na styczeń.",
     "Uczniowie korzystali z tablicy interaktywnej i programu GeoGebra.",
     "Prowadzono zajęcia wyrównawcze we wtorki po 7. lekcji.",
     "Dla uczniów zdolnych działało koło matematyczne (1 godz. tygodniowo).",
     "Materiał z działu <b>trygonometria</b> zostanie zrealizowany w lutym."],
    ["Troje uczniów zakwalifikowało się do II etapu Olimpiady Matematycznej Juniorów.",
     "Klasa 3a uzyskała najlepszy wynik w szkole w próbnym egzaminie.",
     "Problemem pozostają braki z zakresu działań na ułamkach w klasie 2b.",
     "Kilku uczniów ma dużo nieobecności na sprawdzianach."],
    ["Zwiększyć liczbę ćwiczeń z rachunku pamięciowego w klasie 2b.",
     "Kontynuować pracę z uczniami zdolnymi w ramach koła.",
     "Poprawy sprawdzianów organizować w ciągu dwóch tygodni."]))

write("zajecia_dodatkowe_kolo_teatralne.xml", dodatkowe(
    "2026-01-21", "Król Agnieszka", "Koło teatralne „Maska”",
    ["Zajęcia odbywały się raz w tygodniu, w czwartki po 6. lekcji.",
     "W kole uczestniczyło 14 uczniów z klas 1a, 1c i 2b.",
     "Przygotowano inscenizację „Zemsty” Aleksandra Fredry (fragmenty).",
     "Uczniowie ćwiczyli dykcję, emisję głosu i ruch sceniczny."],
    ["Występ na szkolnych jasełkach spotkał się z bardzo dobrym przyjęciem.",
     "Dwie uczennice zakwalifikowały się do powiatowego konkursu recytatorskiego.",
     "Brak odpowiedniego nagłośnienia w auli utrudniał próby."],
    []), lower=True)

write("uzasadnienie_ndst_2b.xml", uzasadnienie(
    "2026-01-20", "Jabłoński Wojciech", "2b", "fizyka",
    [("Szymon Kwiatkowski, Igor Pawlak", [
        "Uczniowie nie zaliczyli żadnego z trzech sprawdzianów w półroczu.",
        "Nie skorzystali z możliwości poprawy ani z konsultacji w czwartki.",
        "Nie opanowali podstawowych wiadomości z kinematyki i dynamiki."]),
     ("Natalia Wróbel", [
        "Uczennica opuściła 41% lekcji fizyki.",
        "Nie oddała żadnego z zadanych sprawozdań z doświadczeń.",
        "Ze sprawdzianu z kinematyki otrzymała ocenę niedostateczną,",
        "a pozostałych sprawdzianów nie napisała mimo wyznaczenia dodatkowych terminów."]),
     ("Filip Zając", [
        "Uczeń nie opanował wiadomości i umiejętności koniecznych do dalszej nauki.",
        "Rodzice zostali poinformowani o zagrożeniu oceną niedostateczną 15 grudnia 2025 r."])]),
    utf16=True)

write("sprawozdanie_dyrektora.xml", dyrektor(
    "2026-01-26", "Ostrowska Elżbieta",
    ["W I półroczu roku szkolnego 2025/2026 do szkoły uczęszczało 412 uczniów w 17 oddziałach.",
     "Klasyfikowano 405 uczniów; średnia ocen szkoły wyniosła 3,94, frekwencja 91,8%.",
     "Ocenę niedostateczną z co najmniej jednego przedmiotu otrzymało 23 uczniów.",
     "Wyróżnienia za wyniki w nauce przyznano 61 uczniom.",
     "Realizowano program wychowawczo-profilaktyczny, w tym projekt \"Bezpieczna szkoła\".",
     "We współpracy z Poradnią Psychologiczno-Pedagogiczną & Sądem Rodzinnym prowadzono warsztaty dla rodziców.",
     "Świetlica szkolna zapewniała opiekę 96 uczniom w godzinach 7:00–17:00.",
     "Stołówka wydawała średnio 250 obiadów dziennie, w tym 34 dofinansowane przez MOPS."],
    ["Przeprowadzono 38 obserwacji lekcji, w tym 12 obserwacji nauczycieli stażystów.",
     "Kontrola dzienników elektronicznych wykazała nieliczne braki w tematach lekcji.",
     "Ewaluacja wewnętrzna dotyczyła organizacji pomocy psychologiczno-pedagogicznej.",
     "Wniosek: ujednolicić kryteria oceniania w zespołach przedmiotowych.",
     "Wniosek: zwiększyć udział rodziców w życiu szkoły (zebrania, dni otwarte).",
     "Wniosek: kontynuować doskonalenie nauczycieli w zakresie pracy z uczniem z niepełnosprawnościami."]))

write("program_wychowawczy_1c.xml", wychowawczy(
    "2026-01-19", "Pawłowska Magdalena", "1c",
    ["Klasa liczy 24 uczniów, w tym 13 dziewcząt i 11 chłopców.",
     "Zrealizowano tematy godzin wychowawczych zgodnie z planem pracy wychowawcy.",
     "Przeprowadzono zajęcia integracyjne i dwie lekcje z pedagogiem szkolnym.",
     "Odbyły się trzy zebrania z rodzicami i dwa dni otwarte.",
     "Klasa uczestniczyła w wycieczce do Muzeum Powstania Warszawskiego."],
    ["Uczniowie zorganizowali zbiórkę karmy dla schroniska w Łodzi.",
     "Klasa zajęła II miejsce w szkolnym konkursie na dekorację świąteczną.",
     "Problem: konflikty w grupie chłopców na przerwach.",
     "Problem: dwoje uczniów często spóźnia się na pierwszą lekcję."],
    ["Kontynuować zajęcia integracyjne w II półroczu.",
     "Zaprosić rodziców do współpracy przy organizacji wycieczki klasowej.",
     "Objąć obserwacją uczniów mających trudności w relacjach z rówieśnikami."]), utf16=True)

write("inne_informacje.xml", inne(
    "2026-01-22", "Sikora Paweł", "Udział uczniów w konkursach przedmiotowych",
    ["W I półroczu uczniowie szkoły wzięli udział w 11 konkursach przedmiotowych.",
     "Do etapu rejonowego konkursu biologicznego zakwalifikowało się 5 uczniów.",
     "Ignacy Wójcik (3a) został finalistą Wojewódzkiego Konkursu Chemicznego.",
     "Szkolny etap konkursu „Lwiątko” zorganizowano 12 listopada 2025 r.",
     "Nagrody dla laureatów ufundowała Rada Rodziców.",
     "Proszę o ujęcie wyników w gazetce szkolnej i na stronie internetowej."]))

write("z_karty.xml", karta(
    "2026-01-23", "Dudek Katarzyna",
    ["W I półroczu przeprowadzono 19 godzin zajęć wynikających z art. 42 Karty Nauczyciela.",
     "Zajęcia wyrównawcze z języka polskiego dla klas 1a i 1b – 12 godzin.",
     "Przygotowanie uczniów do konkursu ortograficznego – 5 godzin.",
     "Opieka nad uczniami podczas wyjścia do teatru – 2 godziny.",
     "Średnia obecność uczniów na zajęciach wyrównawczych wyniosła 78%."],
    CData("Lista obecności w dzienniku zajęć pozalekcyjnych.")))


# =====================================================================
# samples/odebrane/: reports received from several teachers
# =====================================================================
O = "odebrane/"

write(O + "lukasiewicz_klasyfikacja_2a.xml", klasyfikacja(
    "2026-01-23", "Łukasiewicz Małgorzata", "2a", "28",
    ["Tymon Borkowski", "Alicja Kaźmierczak"],
    [("Alicja Kaźmierczak", 503), ("Wojciech Łęcki", 476), ("Hanna Ostrowska", 4)],
    [],
    note="Hanna Ostrowska - średnia wpisana omyłkowo, do sprawdzenia"))

write(O + "lukasiewicz_zachowanie_2a.xml", zachowanie(
    "2026-01-23", "Łukasiewicz Małgorzata", "2a", "28",
    ["Alicja Kaźmierczak", "Tymon Borkowski"],
    [("Michał Gołębiowski", "nieodpowiednie", [
        "Uczeń wielokrotnie naruszał statut szkoły, m.in. palił papierosy na terenie szkoły.",
        "Wobec ucznia zastosowano upomnienie dyrektora szkoły."])],
    []), utf16=True)

write(O + "sliwinska_program_polski.xml", program(
    "22.01.2026", "Śliwińska Bożena", "język polski", "2a, 3b",
    ["Zrealizowano lektury: „Lalka” B. Prusa, „Zbrodnia i kara” F. Dostojewskiego.",
     "Uczniowie napisali dwie rozprawki i jedną analizę wiersza.",
     "W klasie 3b przeprowadzono próbną maturę ustną."],
    ["Julia Mroczek zdobyła wyróżnienie w Olimpiadzie Literatury i Języka Polskiego.",
     "Słaba znajomość lektur w klasie 2a."],
    ["Wprowadzić krótkie sprawdziany ze znajomości lektur.",
     "Więcej ćwiczeń w redagowaniu wypowiedzi argumentacyjnych."]))

write(O + "sliwinska_uzasadnienie_ndst_3b.xml", uzasadnienie(
    "22.01.2026", "Śliwińska Bożena", "3b", "język polski",
    [("Krystian Żak", [
        "Uczeń nie przeczytał żadnej z omawianych lektur i nie oddał wypracowań.",
        "Nie zgłosił się na wyznaczony termin poprawy sprawdzianu z epoki pozytywizmu.",
        "Nie opanował wymagań koniecznych określonych w przedmiotowych zasadach oceniania."])]),
    utf16=True)

write(O + "zawadzka_kolo_przyrodnicze.xml", dodatkowe(
    "2026-01-20", "zawadzka Anna", "Koło przyrodnicze",
    ["Zajęcia prowadzono co dwa tygodnie, po 2 godziny lekcyjne.",
     "Uczestniczyło 11 uczniów z klas 1a–1c.",
     "Zajęcia terenowe odbyły się w Kampinoskim Parku Narodowym."],
    [],
    ["Zakupić mikroskopy do pracowni biologicznej.",
     "Zorganizować wiosenne wyjście nad rzekę Bzurę."]))

write(O + "zielinski_program_wychowawczy_3b.xml", wychowawczy(
    "2026-01-21", "Zieliński Tomasz", "3b",
    ["Klasa liczy 27 uczniów.",
     "Godziny wychowawcze poświęcono m.in. wyborowi dalszej ścieżki kształcenia.",
     "Spotkanie z doradcą zawodowym odbyło się 4 grudnia 2025 r."],
    ["Klasa zorganizowała szkolny Dzień Życzliwości.",
     "Wzrosła liczba nieusprawiedliwionych nieobecności w styczniu."],
    ["Częściej kontaktować się z rodzicami uczniów opuszczających lekcje."]))

write(O + "zielinski_z_karty.xml", karta(
    "2026-01-21", "Zieliński Tomasz",
    ["Zajęcia przygotowujące do egzaminu z geografii dla klasy 3b – 10 godzin.",
     "Opieka nad Szkolnym Kołem Krajoznawczo-Turystycznym – 6 godzin.",
     "Rajd jesienny po Górach Świętokrzyskich – 8 godzin."]), utf16=True)

write(O + "kowalczyk_sprawozdanie_dyrektora.xml", dyrektor(
    "2026-01-27", "Kowalczyk Jerzy",
    ["Szkoła liczy 16 oddziałów, uczy się w niej 389 uczniów.",
     "Średnia ocen szkoły: 3,87; frekwencja: 90,6%.",
     "W grudniu zakończono remont sali gimnastycznej.",
     "Zatrudniono drugiego psychologa szkolnego."],
    []))

write(O + "bak_program_wf.xml", program(
    "2026-01-19", "Bąk Grzegorz", "wychowanie fizyczne", "1a, 1b, 1c",
    ["Zrealizowano bloki: lekkoatletyka, piłka siatkowa, gimnastyka.",
     "Przeprowadzono testy sprawności fizycznej na początku półrocza.",
     "Zajęcia na basenie odbywały się w piątki."],
    ["Drużyna dziewcząt zajęła III miejsce w powiatowym turnieju siatkówki.",
     "Wielu uczniów przynosi zwolnienia lekarskie z zajęć."],
    ["Zachęcać uczniów do udziału w zajęciach SKS."]))

write(O + "bak_inne_informacje.xml", inne(
    "2026-01-19", "Bąk Grzegorz", "Zawody sportowe międzyszkolne",
    ["Szkoła była gospodarzem Mistrzostw Powiatu w Tenisie Stołowym (5 grudnia 2025 r.).",
     "W zawodach wzięło udział 64 zawodników z 9 szkół.",
     "Dziękuję pracownikom obsługi za przygotowanie sali."]), utf16=True)

write(O + "nowicka_uzasadnienie_ndst_1b.xml", uzasadnienie(
    "2026-01-20", "Nowicka Ewa", "1b", "matematyka",
    [("Oskar Kubiak, Lena Maciejewska", [
        "Uczniowie nie opanowali działań na liczbach wymiernych.",
        "Nie uczęszczali na zajęcia wyrównawcze, mimo pisemnej informacji dla rodziców."]),
     ("Dominik Szewczyk", [
        "Uczeń otrzymał oceny niedostateczne ze wszystkich sprawdzianów."])]))

write(O + "lewandowska_z_karty.xml", karta(
    "2026-01-23", "Lewandowska Katarzyna",
    ["Konsultacje z języka angielskiego dla klas trzecich – 9 godzin.",
     "Przygotowanie uczniów do konkursu „English Master” – 4 godziny."]))

print("samples written")
