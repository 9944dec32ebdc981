#include <QApplication>

int RunPageCodesTests(int argc, char* argv[]);
int RunPrintRoutesTests(int argc, char* argv[]);
int RunPageBreakInkTests(int argc, char* argv[]);
int RunCupsSubmissionTests(int argc, char* argv[]);
int RunCopyHelpTests(int argc, char* argv[]);
int RunClipboardHtmlTests(int argc, char* argv[]);

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int failures = RunPageCodesTests(argc, argv);
    failures += RunPrintRoutesTests(argc, argv);
    failures += RunPageBreakInkTests(argc, argv);
    failures += RunCopyHelpTests(argc, argv);
    failures += RunClipboardHtmlTests(argc, argv);
    // Last: a class skipped whole (no print queue) leaves QTest running no test of the classes
    // after it.
    failures += RunCupsSubmissionTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
