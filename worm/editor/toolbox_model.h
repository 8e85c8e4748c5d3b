#pragma once

#include "editor/toolbar_buttons.h"
#include "editor/toolbox_controls.h"

#include <QString>

#include <array>
#include <functional>

// Every control of the toolbox window frmToolBox, as values.
struct ToolboxModel {
  ToolboxModel();

  // Menu items by their index: mnuAction 1..12, and the items of its
  // "Track..." and "Database..." submenus, 1-based.
  MenuItem& mnuAction(int index) { return mnuToolBox.Items[index - 1]; }
  MenuItem& mnuTrackAction(int index) { return mnuAction(6).Items[index - 1]; }
  MenuItem& mnuDBAction(int index) { return mnuAction(8).Items[index - 1]; }

  QString Caption = QStringLiteral("NoName (0)");
  // Buttons 1..61 of tlbBuildingBlocks (element 0 unused).
  std::array<ToolbarButtonState, ToolbarButtonCount + 1> Toolbar{};
  // The page of tabConfig in front, 0..5.
  int Tab = 0;

  // Page "Track".
  SliderControl slrTrackNumber;
  ComboControl cmbTrackName;
  std::array<CommandButton, 3> cmdTrackNumber;
  // Page "Direction": the head picture (0..15 of pcpHeads) each of the
  // eight direction pictures shows.
  std::array<int, 8> imgWormHead{};
  // A direction picture clicked, with its index 0..7.
  std::function<void(int)> imgWormHead_Click;
  // Pages "Track Config" and "Database Config": sliders and labels 1..4.
  std::array<SliderControl, 5> slrTrimTrack;
  std::array<QString, 5> lblTrimTrack;
  std::array<SliderControl, 5> slrTrimDB;
  std::array<QString, 5> lblTrimDB;
  // Page "Choose Database".
  CheckListControl lstDefDB;
  // Page "Database".
  std::array<CommandButton, 5> cmdDatabase;

  // Status bar panels 1..4 (element 0 unused).
  std::array<StatusPanel, 5> sbConfig;
  // The menu "Toolbox", also the playfield's popup menu.
  MenuItem mnuToolBox;
};

// The captions of the six tabs and of their pages.
inline const std::array<QString, 6> TabCaptions = {
    QStringLiteral("Track"),           QStringLiteral("Direction"),
    QStringLiteral("Track Config"),    QStringLiteral("Database Config"),
    QStringLiteral("Choose Databas"),  QStringLiteral("Database")};
inline const std::array<QString, 6> PageCaptions = {
    QStringLiteral("Track"),           QStringLiteral("Direction"),
    QStringLiteral("Track Config"),    QStringLiteral("Database Config"),
    QStringLiteral("Choose Database"), QStringLiteral("Database")};

// Label prefixes of the sliders 1..4 of both configuration pages.
inline const std::array<QString, 5> TrimTrackPrefixes = {
    QString(), QStringLiteral("Rating: "), QStringLiteral("Bonus: "), QStringLiteral("Length: "),
    QStringLiteral("Speed: ")};
inline const std::array<QString, 5> TrimDBPrefixes = {
    QString(), QStringLiteral("Lives: "), QStringLiteral("Shield: "), QStringLiteral("Break: "),
    QStringLiteral("Level: ")};
