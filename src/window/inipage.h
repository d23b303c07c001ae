#pragma once

#include "app/rosterdocument.h"
#include "window/page.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace Ui {
class MainWindow;
}

// The INI page: the text of bots.ini as read, or as Save INI or Launch last composed it, the
// game path and the parameters. Ctrl+A and Ctrl+C act on the text from anywhere on the page but
// the two boxes, which keep their own.
class IniPage : public Page {
    Q_DECLARE_TR_FUNCTIONS(IniPage)

public:
    IniPage(Ui::MainWindow& ui, RosterDocument& document);

    // The file's bytes as read, or a notice that it was not there.
    void showFile(const RosterDocument::Loaded& loaded);
    // The file Save INI wrote or would write, without the one more line break that ends it.
    void showComposed(const QByteArray& fileBytes);

    QString caption() const override;
    QString findTitle() const override { return tr("Find in the INI text"); }
    bool find(const QString& text, bool backwards) override;
    void goTo() override {}
    std::optional<RosterListKind> stepHistory(bool forward) override {
        return document.stepHistory(forward);
    }
    QString historyText(bool forward) const override;
    RosterListKind rosterList() const override { return RosterListKind::Bots; }
    QString guideSection() const override { return QStringLiteral("the-ini-page"); }

private:
    Ui::MainWindow& ui;
    RosterDocument& document;
};
