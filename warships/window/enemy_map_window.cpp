#include "window/enemy_map_window.h"

#include "window/message_box.h"

#include <QCoreApplication>

Form1::Form1()
    : MapWindow(QStringLiteral("Map of Enemy Territory"), 3615,
                Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    for (int index = 0; index < CellCount; ++index)
        connect(Image1(index), &CellBox::Click, this, &Form1::Image1_Click);
}

void Form1::SetBattle(Battle* battle)
{
    battle_ = battle;
}

void Form1::Image1_Click(int index)
{
    if (battle_)
        ShowEnd(battle_->PlayRound(index));
}

void Form1::ShowEnd(GameEnd end)
{
    switch (end) {
    case GameEnd::None:
        return;
    case GameEnd::YouWin:
        ShowMessage(this, QStringLiteral("You Win"), QStringLiteral("YOU WIN."));
        break;
    case GameEnd::YouLose:
        ShowMessage(this, QStringLiteral("You Lose"), QStringLiteral("YOU LOSE."));
        break;
    case GameEnd::BlockNonexistent:
        ShowMessage(this, QStringLiteral("Warships"), QStringLiteral("Error: Block Nonexistent"));
        break;
    }
    QCoreApplication::quit();
}
