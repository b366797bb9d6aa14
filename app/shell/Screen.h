#pragma once

#include <QWidget>

class ProgressDisplay;

// What every main screen shares: a fixed size in twips, centred on the screen, its caption
// behind text 2001, Escape acting as the screen's Cancel (not while loading or busy), and the
// quit question when the user closes the window. ShowScreen loads, shows and unloads screens.
class Screen : public QWidget {
    Q_OBJECT
public:
    // width and height in twips; captionText: the number of the caption in the text table.
    Screen(int screenId, int widthTwips, int heightTwips, int captionText);

    int screenId() const { return id; }

    // The load handler; runs once, when ShowScreen first shows the screen.
    void LoadScreen();
    bool isLoaded() const { return loaded; }
    // The style screen and the editor refresh themselves here after the old screen is hidden.
    virtual void Display() {}
    // Closed by the program: no question is asked.
    void Unload();

    // The shared progress display, on screens that have one.
    virtual ProgressDisplay* progressDisplay() { return nullptr; }

    bool isLoading() const { return loading; }
    bool isBusy() const { return busy; }

protected:
    virtual void Load() {}
    // Escape: the screen's Cancel.
    virtual void CancelRequested() {}
    // The user closes the window: the default asks ConfirmQuit and ends the program on Yes.
    // Returns true when the window may close.
    virtual bool QueryUnload();

    void setLoading(bool on) { loading = on; }
    void setBusy(bool on) { busy = on; }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int id;
    int captionText;
    bool loaded = false;
    bool loading = false;
    bool busy = false;
    bool closingByProgram = false;
};
