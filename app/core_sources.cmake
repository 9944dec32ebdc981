# The sources of the pipeline shared by the viewer and the command-line tool, in one list for
# every build of the core (native, Windows, WebAssembly). Each build adds its locale services.
set(ulnik_core_sources
    batch_render.cpp
    classification_figures.cpp
    combined_report.cpp
    document_types.cpp
    file_verdict.cpp
    folder_check.cpp
    folder_problem.cpp
    folder_reports.cpp
    folder_summary.cpp
    list_spreadsheet.cpp
    load_warning.cpp
    messages.cpp
    open_path.cpp
    page_writer.cpp
    polish_order.cpp
    progress_line.cpp
    report_opener.cpp
    report_search.cpp
    school_page_html.cpp
    school_pages.cpp
    summary_charts.cpp
    summary_page.cpp
    summary_spreadsheet.cpp
    terminal_shell.cpp
)
list(TRANSFORM ulnik_core_sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
