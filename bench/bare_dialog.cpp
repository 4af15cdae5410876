// The yardstick for the game's start-up: the least a Qt 6 program can do to put a dialog on screen.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare Dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("A bare Qt 6 dialog."), &dialog));
    dialog.show();
    return dialog.exec();
}
