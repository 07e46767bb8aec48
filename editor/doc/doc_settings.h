// The editor settings a document consults.  The program's settings object
// implements this; its values may change while documents are open.
#pragma once

class DocSettings {
public:
    virtual ~DocSettings() = default;
    // A new line takes the indentation of the line it was broken from.
    virtual bool AutoIndent() const = 0;
    // Indentation inserts blanks instead of tabs.
    virtual bool UseBlanks() const = 0;
    // Saving keeps the previous file under its backup name.
    virtual bool Backup() const = 0;
    // Columns between tab stops, 1 to 32.
    virtual int TabLength() const = 0;
};

// Plain values, with the settings' defaults.
struct FixedDocSettings : DocSettings {
    bool autoIndent = true;
    bool useBlanks = false;
    bool backup = true;
    int tabLength = 8;

    bool AutoIndent() const override { return autoIndent; }
    bool UseBlanks() const override { return useBlanks; }
    bool Backup() const override { return backup; }
    int TabLength() const override { return tabLength; }
};
