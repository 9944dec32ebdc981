// The web page's way into the pipeline. The page puts the files it is given into the module's
// memory file system and calls the functions below, one at a time, each to its end; the
// pipeline answers through the shell, whose messages and pages the page shows. The pages are
// the bytes the desktop viewer writes to its page file.
#include <emscripten.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "ansi_literal.h"
#include "clipboard_rules.h"
#include "folder_list.h"
#include "lazy_locale.h"
#include "load_warning.h"
#include "messages.h"
#include "print_messages.h"
#include "program_state.h"
#include "report_file.h"
#include "report_opener.h"
#include "school_pages.h"
#include "shell.h"
#include "utf8.h"

namespace {

EM_JS(void, ulnik_js_message, (int icon, const char* text, std::size_t length), {
  Module.onMessage(icon, HEAPU8.slice(text, text + length));
});

EM_JS(void, ulnik_js_page, (const char* bytes, std::size_t length), {
  Module.onPage(HEAPU8.slice(bytes, bytes + length));
});

EM_JS(void, ulnik_js_table, (const char* bytes, std::size_t length), {
  Module.onTable(HEAPU8.slice(bytes, bytes + length));
});

// Nobody answers a question inside a command: every message the pipeline shows has Zamknij
// alone, and the page shows it once the command has ended.
class PageShell : public Shell, public PageNavigator {
public:
    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text) override {
        ulnik_js_message(icon, text.Bytes().data(), text.Bytes().size());
        return style == StyleZamknij ? ChoiceZamknij : ChoiceAnuluj;
    }
    // The page is shown again only when a new one was written: a failed open leaves the
    // page before it where it was scrolled.
    void Navigate(const std::string&) override {
        if (!written_) return;
        written_ = false;
        ulnik_js_page(page_.data(), page_.size());
        page_.clear();
    }
    PageWriter Writer() {
        return [this](const std::string&, std::string_view bytes) {
            page_.assign(bytes);
            written_ = true;
        };
    }

private:
    std::string page_;
    bool written_ = false;
};

struct Core {
    Core() {
        state.PageFilePath = "Temp.htm";
        opener.SetPageWriter(shell.Writer());
        lister.SetPageWriter(shell.Writer());
        schoolPages.SetPageWriter(shell.Writer());
        // The table is no page: it goes to the page to be downloaded, never into the frame.
        tables.SetPageWriter([](const std::string&, std::string_view bytes) {
            ulnik_js_table(bytes.data(), bytes.size());
        });
    }
    ProgramState state;
    PageShell shell;
    LazyLocale locale;
    ReportOpener opener{state, shell, locale, &shell};
    FolderLister lister{state, shell, locale, &shell};
    SchoolPages schoolPages{state, shell, locale, &shell};
    SchoolPages tables{state, shell, locale, &shell};
    std::string answer;  // the text handed back last
};

Core& TheCore() {
    static Core core;
    return core;
}

// A report that breaks off is shown as far as it goes, and then the message says where.
int Opened(ReportOutcome outcome) {
    Core& core = TheCore();
    if (outcome == ReportOutcome::Shown && core.opener.LastBreak())
        core.shell.ShowMessageBox(StyleZamknij, IconUwaga, IncompletePageNotice(*core.opener.LastBreak()));
    return static_cast<int>(outcome);
}

// What escapes the pipeline (memory running out on the way to the page) ends the command as
// a damaged file does, with the page before it left as it was.
template <typename Command>
int Run(Command command, AnsiView damaged, int outcome) {
    try {
        return command();
    } catch (...) {
        TheCore().shell.ShowMessageBox(StyleZamknij, IconInformacja, damaged);
        return outcome;
    }
}

const char* Answer(std::string text) {
    Core& core = TheCore();
    core.answer = std::move(text);
    return core.answer.c_str();
}

}  // namespace

extern "C" {

// Outcomes are ReportOutcome's and ListOutcome's numbers.
EMSCRIPTEN_KEEPALIVE int ulnik_open(const char* path, int dropped) {
    return Run([&] {
        ReportOpener& opener = TheCore().opener;
        return Opened(dropped ? opener.DropFile(path) : opener.OpenChosenFile(path));
    }, messages::kDamagedReport, static_cast<int>(ReportOutcome::Damaged));
}

EMSCRIPTEN_KEEPALIVE int ulnik_retry() {
    return Run([] { return Opened(TheCore().opener.Retry()); }, messages::kDamagedReport,
               static_cast<int>(ReportOutcome::Damaged));
}

// The messages of the page's own failures: 0 Kopiuj with no page shown, 1 a copy the browser
// refused, 2 Ponów of a file the browser will not read again, as it reads a file only while it
// is as it was when it was chosen, 3 a printout that could not be made of the page shown.
EMSCRIPTEN_KEEPALIVE void ulnik_say(int what) {
    constexpr AnsiView kTexts[] = {
        print_messages::kNoPageToCopy, print_messages::kCopyFailed,
        Ansi<"Plik zmienił się albo zniknął od chwili wskazania, a przeglądarka czyta ponownie "
             "tylko plik niezmieniony.\rWskaż go jeszcze raz (Otwórz) albo upuść na okno.">,
        print_messages::kPrintoutFailed};
    if (what < 0 || what >= static_cast<int>(std::size(kTexts))) return;
    TheCore().shell.ShowMessageBox(StyleZamknij, IconInformacja, kTexts[what]);
}

// The dropped file's name is taken for a report (DropFile reads no other).
EMSCRIPTEN_KEEPALIVE int ulnik_has_report_extension(const char* name) { return HasReportExtension(name); }

EMSCRIPTEN_KEEPALIVE int ulnik_list(const char* folder) {
    return Run([&] { return static_cast<int>(TheCore().lister.ListReceivedReports(folder)); },
               messages::kDamagedFolder, static_cast<int>(ListOutcome::Damaged));
}

// The school's pages of a folder, listed or not: 0 the combined report, 1 the classification
// summary, 2 the check of its files. Outcomes are ListOutcome's; the files left out are named on
// the page itself.
EMSCRIPTEN_KEEPALIVE int ulnik_school_page(const char* folder, int kind) {
    if (kind < 0 || kind > 2) return static_cast<int>(ListOutcome::Damaged);
    return Run([&] {
        const SchoolPageKind which = static_cast<SchoolPageKind>(kind);
        return static_cast<int>(TheCore().schoolPages.Build(which, folder).outcome);
    }, messages::kDamagedFolder, static_cast<int>(ListOutcome::Damaged));
}

// The summary's or the check's table of the folder, handed to the page (Module.onTable) to be
// downloaded.
EMSCRIPTEN_KEEPALIVE int ulnik_summary_table(const char* folder) {
    return Run([&] { return static_cast<int>(TheCore().tables.SummarySpreadsheet(folder, "tabela.csv").outcome); },
               messages::kDamagedFolder, static_cast<int>(ListOutcome::Damaged));
}

EMSCRIPTEN_KEEPALIVE int ulnik_check_table(const char* folder) {
    return Run([&] { return static_cast<int>(TheCore().tables.CheckSpreadsheet(folder, "tabela.csv").outcome); },
               messages::kDamagedFolder, static_cast<int>(ListOutcome::Damaged));
}

EMSCRIPTEN_KEEPALIVE int ulnik_list_size() { return static_cast<int>(TheCore().state.FolderSummary.size()); }

// The text an entry of the list shows, in UTF-8.
EMSCRIPTEN_KEEPALIVE const char* ulnik_list_line(int index) {
    return Answer(AnsiToUtf8(" - " + TheCore().state.FolderSummary.at(static_cast<std::size_t>(index))));
}

EMSCRIPTEN_KEEPALIVE int ulnik_open_entry(int index) {
    return Run([&] {
        Core& core = TheCore();
        return Opened(core.opener.OpenChosenFile(core.state.FolderFiles.at(static_cast<std::size_t>(index))));
    }, messages::kDamagedReport, static_cast<int>(ReportOutcome::Damaged));
}

// The report named last, which Ponów reads again.
EMSCRIPTEN_KEEPALIVE const char* ulnik_current_report() { return TheCore().state.CurrentReportPath.c_str(); }

// The desktop copy's allow-lists, as JSON: the page applies them with the browser's own HTML5
// parser, as the desktop applies them with gumbo's.
EMSCRIPTEN_KEEPALIVE const char* ulnik_clipboard_rules() {
    const auto list = [](const auto& names) {
        std::string json = "[";
        for (const std::string_view name : names) json += (json.size() > 1 ? ",\"" : "\"") + std::string(name) + "\"";
        return json + "]";
    };
    namespace r = clipboard_rules;
    return Answer("{\"elements\":" + list(r::kElements) + ",\"voids\":" + list(r::kVoidElements) +
                  ",\"hidden\":" + list(r::kHiddenElements) + ",\"verbatim\":" + list(r::kVerbatimElements) +
                  ",\"attributes\":" + list(r::kAttributes) + ",\"properties\":" + list(r::kCssProperties) +
                  ",\"functions\":" + list(r::kCssFunctions) + "}");
}

EMSCRIPTEN_KEEPALIVE double ulnik_max_report_size() { return static_cast<double>(kMaxReportFileSize); }

}  // extern "C"
