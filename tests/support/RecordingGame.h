#pragma once

// The one fake of the game's window seam, used by every suite that needs a game
// without a window: every call the game makes to its window is written down in
// order, so tests can check what is painted when, and the menu states. The hooks only
// record; the game sets its own state. Painting tests use it as the game they paint.
#include <QString>
#include <QStringList>

#include "engine/VantrelGame.h"

namespace vantrel::testing {

class RecordingGame : public VantrelGame {
public:
    QStringList calls;
    bool undoEnabled = false;
    bool regularChecked = true;
    bool relaxedChecked = false;
    int storedPlayRegGame = 1;
    int beeps = 0;
    int highScoreChecks = 0;

    int CallCount(const QString& prefix) const
    {
        int count = 0;
        for (const QString& call : calls) {
            count += call.startsWith(prefix) ? 1 : 0;
        }
        return count;
    }

protected:
    void DrawCell(int cellCode, int column, int row) override
    {
        calls << QStringLiteral("DrawCell(%1,%2,%3)").arg(cellCode).arg(column).arg(row);
    }
    void DrawScorePanel() override { calls << QStringLiteral("DrawScorePanel"); }
    void DrawWinBanner() override { calls << QStringLiteral("DrawWinBanner"); }
    void DrawHighScores() override { calls << QStringLiteral("DrawHighScores"); }
    void RepaintTable() override { calls << QStringLiteral("RepaintTable"); }
    void InvalidateWindow() override { calls << QStringLiteral("InvalidateWindow"); }
    void CheckHighScore() override
    {
        ++highScoreChecks;
        calls << QStringLiteral("CheckHighScore");
    }
    void Beep() override
    {
        ++beeps;
        calls << QStringLiteral("Beep");
    }
    void SetDefaultCursor() override { calls << QStringLiteral("SetDefaultCursor"); }
    void SetUndoEnabled(bool enabled) override { undoEnabled = enabled; }
    bool RulesItemChecked(bool regular) const override
    {
        return regular ? regularChecked : relaxedChecked;
    }
    void CheckRulesItem(bool regular) override
    {
        regularChecked = regular;
        relaxedChecked = !regular;
    }
    int StoredPlayRegGame() const override { return storedPlayRegGame; }
    void ApplyStoredOptions() override { calls << QStringLiteral("ApplyStoredOptions"); }
    void LoadRecord() override { calls << QStringLiteral("LoadRecord"); }
};

}  // namespace vantrel::testing
