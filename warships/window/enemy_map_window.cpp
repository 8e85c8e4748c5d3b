#include "window/enemy_map_window.h"

#include "window/end_box_place.h"
#include "window/message_box.h"

#include <QCoreApplication>
#include <QScreen>

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

void Form1::SetHomeMap(const QWidget* homeMap)
{
    homeMap_ = homeMap;
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
        ShowEndMessage(QStringLiteral("You Win"), QStringLiteral("YOU WIN."));
        break;
    case GameEnd::YouLose:
        ShowEndMessage(QStringLiteral("You Lose"), QStringLiteral("YOU LOSE."));
        break;
    case GameEnd::BlockNonexistent:
        ShowEndMessage(QStringLiteral("Warships"), QStringLiteral("Error: Block Nonexistent"));
        break;
    }
    QCoreApplication::quit();
}

void Form1::ShowEndMessage(const QString& title, const QString& text)
{
    const QRect enemy = frameGeometry();
    const QRect home = homeMap_ ? homeMap_->frameGeometry() : enemy;
    // The box gets a frame like the maps' own.
    const QMargins frame(geometry().left() - enemy.left(), geometry().top() - enemy.top(),
                         enemy.right() - geometry().right(), enemy.bottom() - geometry().bottom());
    const QRect screenArea = screen()->availableGeometry();
    ShowMessage(this, title, text, [&](QSize inside) {
        const QPoint outer = EndBoxPlace(enemy, home, inside.grownBy(frame), screenArea);
        return outer + QPoint(frame.left(), frame.top());
    });
}
