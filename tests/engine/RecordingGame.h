#pragma once

// A game without a window: every call the game makes to its window is written down
// in order, so tests can check what is painted when, and the menu states.
#include <QString>
#include <QStringList>

#include "engine/VantrelGame.h"

class RecordingGame : public vantrel::VantrelGame {
public:
    QStringList calls;
    bool undoEnabled = false;
    bool regularChecked = true;
    bool relaxedChecked = false;
    int storedPlayRegGame = 1;
    int beeps = 0;
    int highScoreChecks = 0;
    vantrel::RandomGenerator random{0};

    QStringList Take()
    {
        QStringList taken = calls;
        calls.clear();
        return taken;
    }

    int CallCount(const QString& prefix) const
    {
        int count = 0;
        for (const QString& call : calls) {
            count += call.startsWith(prefix) ? 1 : 0;
        }
        return count;
    }

    using VantrelGame::Random;

protected:
    void DrawCell(int cellCode, int column, int row) override
    {
        calls << QStringLiteral("DrawCell(%1,%2,%3)").arg(cellCode).arg(column).arg(row);
    }
    void DrawScorePanel() override { calls << QStringLiteral("DrawScorePanel"); }
    void PaintBoxPaint() override { calls << QStringLiteral("PaintBoxPaint"); }
    void InvalidatePaintBox() override { calls << QStringLiteral("InvalidatePaintBox"); }
    void InvalidateWindow() override { calls << QStringLiteral("InvalidateWindow"); }
    void DrawWinBanner() override
    {
        FinalTotal = GameTotal();
        calls << QStringLiteral("DrawWinBanner");
    }
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
    bool RegularRulesChecked() const override { return regularChecked; }
    bool RelaxedRulesChecked() const override { return relaxedChecked; }
    void SetRulesCheckMarks(bool regular, bool relaxed) override
    {
        regularChecked = regular;
        relaxedChecked = relaxed;
    }
    int StoredPlayRegGame() const override { return storedPlayRegGame; }
    void ApplyStoredOptions() override { calls << QStringLiteral("ApplyStoredOptions"); }
    void LoadRecord() override { calls << QStringLiteral("LoadRecord"); }
    vantrel::RandomGenerator& Random() override { return random; }
};
