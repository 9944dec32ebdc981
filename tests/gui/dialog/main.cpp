#include <QApplication>

int RunSkinResourceTests(int argc, char* argv[]);
int RunWarningDialogTests(int argc, char* argv[]);

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int failures = RunSkinResourceTests(argc, argv);
    failures += RunWarningDialogTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
