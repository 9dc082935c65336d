#pragma once

#include <QApplication>
#include <QTranslator>

#include <string>
#include <vector>

namespace lumo::qt {

// Names the running application after its executable and gives it this build's version.
void NameApplication();

// The application: named after its executable, carries the window icon, and runs the
// main dialog until the curator closes it.
class Application final : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Shows the main dialog, hands it the files named on the command line as one drop,
    // and returns when the dialog has been closed.
    int Run(const std::vector<std::string>& files);

private:
    QTranslator qtTexts_;
};

} // namespace lumo::qt
