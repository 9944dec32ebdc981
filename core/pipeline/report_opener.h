#pragma once
// Opening a report: the open, drop and retry commands, and the pipeline they share that
// identifies the file, renders it into ThePage, writes the page file and shows it.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "locale_services.h"
#include "page_writer.h"
#include "program_state.h"
#include "report_file.h"
#include "shell.h"

enum class ReportOutcome {
    Shown,       // the page was written and shown
    WrongType,   // not one of the nine types: the page file was left alone
    Unreadable,  // the file is gone or could not be read: the page file was left alone
    Damaged,     // rendering or writing failed: nothing written, the view left alone
    Ignored,     // a dropped file that is not an .xml file: nothing happened
};

class ReportOpener {
public:
    // The pages written are shown by `pages`, when there is a view to show them.
    ReportOpener(ProgramState& state, Shell& shell, LocaleServices& locale, PageNavigator* pages = nullptr);

    // The open dialog was confirmed with this path: no extension check.
    ReportOutcome OpenChosenFile(const std::string& path);
    // A file was dropped (the first of the drop); only .xml files are taken.
    ReportOutcome DropFile(const std::string& path);
    // Opens CurrentReportPath again, whatever it holds.
    ReportOutcome Retry();

    // Builds, writes and shows the page of CurrentReportPath, reporting every failure itself.
    ReportOutcome ShowReport();
    // Fills ThePage with the whole page; Shown when a renderer ran.
    ReportOutcome BuildReportPage();
    enum class Identified { Yes, Missing, Unreadable };
    // Reads and parses CurrentReportPath once and sets DocumentType and CreationDate; Missing
    // when nothing has the name, Unreadable when the file could not be read (or memory ran
    // out), FileTooLarge for a file too large to be a report. The parsed report is kept for
    // the renderer of the build under way.
    Identified IdentifyReport();

    // Where pages go; the page file by default.
    void SetPageWriter(PageWriter writer) { writer_ = std::move(writer); }
    // Where the report identified last breaks off, when it does.
    const std::optional<XmlBreak>& LastBreak() const { return lastBreak_; }

private:
    void AppendFoot();
    // Says the message and drops the half-built page.
    ReportOutcome Damaged(const AnsiText& message);
    // The message for the current report: one reached through the folder list is named, as
    // the user picked a line, not a file.
    AnsiText AboutTheReport(const AnsiText& message) const;

    ProgramState& state_;
    Shell& shell_;
    PageNavigator* pages_;
    RenderOptions options_;
    PageWriter writer_ = WritePageFile;
    std::unique_ptr<ReportFile> report_;  // from identification to rendering
    std::optional<XmlBreak> lastBreak_;
};

// The extension of the file name (last dot on, ASCII lower-cased) is ".xml".
bool HasReportExtension(const std::string& path);
