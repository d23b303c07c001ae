#pragma once

#include "roster/module1.h"
#include "roster/rosterview.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QSlider;
class QTabBar;

namespace Ui {
class frmMain;
}

// The program's one window: the Bots, Maps and INI pages over a tab strip. The pages' controls
// are the editing buffer of one bot and one map entry; edits reach the roster when a page is left.
class frmMain : public QWidget, public RosterView {
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;
    static inline const QString ProgramName = QStringLiteral("Vantrel Zelvik");

    // programFolder is where bots.ini is read and written; empty means the program's own folder.
    explicit frmMain(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~frmMain() override;

    Module1& module() { return m; }
    const Module1& module() const { return m; }
    QString programFolder() const { return folder; }
    // The raw text of bots.ini as last shown in Text1, line ends included.
    QString text1() const;

    // RosterView
    void setControlEnabled(RosterControl control, bool enabled) override;
    void setScrollValue(RosterControl scrollBar, int value) override;
    void setScrollMaximum(RosterControl scrollBar, int maximum) override;
    void ShowMap(qint16 index) override;
    void ShowBot(qint16 index) override;
    void setText1(const QString& text) override;
    void setText1FromFile(const QByteArray& codePageText) override;

    void StoreMap(qint16 index);
    void StoreBot(qint16 index);

    // The first show loads the window before anything is drawn.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    void applyFonts();

    void Form_Load();
    void Form_Unload(qint16& Cancel);
    void placeWindow();

    void HScroll1_Change();
    void HScroll2_Change();
    void TabStrip1_Click();
    void TabStrip1_MouseDown();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void cmdSaveINI_Click();

    void sldTopColor_Click();
    void sldTopColor_MouseUp();
    void sldBottomColor_Click();
    void sldBottomColor_MouseUp();
    void txtTopColor_Change();
    void txtBottomColor_Change();

    void FillModelList();
    void FillMapList();
    void launchGame();
    void text1Changed();
    void refreshText1View();

    void setBotsCaption();
    void setMapsCaption();
    void setIniCaption();

    QScrollBar* scrollBar(RosterControl control) const;

    Ui::frmMain* ui;
    Module1 m;
    QString folder;
    // Text1's text: composed or design-time text, or the file's text still in its code page
    // (whichever was set last; the other one is null).
    QString text1Raw;
    QByteArray text1File;
    bool text1Stale = false;
    bool loaded = false;
    std::array<QFrame*, 3> Frame1{};
};
