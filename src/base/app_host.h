#pragma once

#include <QString>

class Prompts;
struct AppSettings;

// What a window below the main window needs of the running program: the settings record, the
// dialogs, the program folder, where the file dialogs start, and the two settings commands
// the settings dialog offers. The application module provides it, so no subsystem window
// reaches into the main window.
class AppHost {
public:
    virtual AppSettings &settings() = 0;
    virtual Prompts &prompts() = 0;
    virtual QString programFolder() const = 0;
    // The folder of the active document's file, else of the most recent file; "" for neither.
    virtual QString documentFolder() const = 0;

    // The font dialog seeded with the editor font; a choice replaces it, Cancel keeps it.
    virtual void ChooseEditorFont() = 0;
    // Writes tamro.ini.
    virtual void SaveSettings() = 0;

protected:
    AppHost() = default;
    ~AppHost() = default;
    AppHost(const AppHost &) = delete;
    AppHost &operator=(const AppHost &) = delete;
};
