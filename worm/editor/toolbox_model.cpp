#include "editor/toolbox_model.h"

namespace {

struct SliderSetup {
  int Min, Max, LargeChange, SmallChange, TickFrequency;
  const char* ToolTip;
};

constexpr std::array<SliderSetup, 5> TrimTrackSetups = {{
    {},
    {1, 10, 2, 1, 1, "Track Difficulty Rating"},
    {0, 50, 5, 1, 5, "Nr Of Hidden Bonusblocks In Track"},
    {3, 500, 25, 1, 50, "Vora Start Length"},
    {1, 100, 5, 1, 10, "Vora Start Speed"},
}};

constexpr std::array<SliderSetup, 5> TrimDBSetups = {{
    {},
    {1, 10, 2, 1, 1, "Nr Of Lives In Game"},
    {1, 10, 2, 1, 1, "Shield Thickness In Game"},
    {1, 10, 2, 1, 1, "Nr Of Breakingpads In Game"},
    {0, 10, 2, 1, 1, ""},
}};

// The slider as designed, standing at its minimum.
void SetUp(SliderControl& slider, const SliderSetup& setup) {
  slider.SetRange(setup.Min, setup.Max);
  slider.LargeChange = setup.LargeChange;
  slider.SmallChange = setup.SmallChange;
  slider.TickFrequency = setup.TickFrequency;
  slider.ToolTip = QString::fromLatin1(setup.ToolTip);
}

MenuItem Item(const char* caption, std::vector<MenuItem> items = {}) {
  MenuItem item;
  item.Caption = QString::fromLatin1(caption);
  item.Items = std::move(items);
  return item;
}

MenuItem ToolboxMenu() {
  MenuItem menu = Item("Toolbox", {
      Item("Undo"), Item("Redo"), Item("Information"), Item("Erase"), Item("-"),
      Item("Track...", {Item("Next"), Item("Prev"), Item("Change Name"), Item("Add"),
                        Item("Remove"), Item("Test")}),
      Item("-"),
      Item("Database...", {Item("New"), Item("Open"), Item("Save"), Item("Save As...")}),
      Item("-"), Item("Toolbox"), Item("-"), Item("Quit Editor")});
  menu.Items[9].Checked = true;
  return menu;
}

}  // namespace

ToolboxModel::ToolboxModel() {
  Toolbar[ToolPen].Pressed = true;
  Toolbar[FirstBlockButton].Pressed = true;
  Toolbar[LastBlockButton].Enabled = false;

  slrTrackNumber.SetRange(1, 2);
  slrTrackNumber.ToolTip = QStringLiteral("Select Track");
  const char* trackButtons[] = {"Add", "Remove", "Test"};
  for (int i = 0; i < 3; ++i) cmdTrackNumber[i].Caption = QString::fromLatin1(trackButtons[i]);
  for (int i = 0; i < 8; ++i) imgWormHead[i] = i;

  const int trackLabelValues[] = {0, 1, 0, 3, 1};
  const int dbLabelValues[] = {0, 3, 5, 5, 0};
  for (int i = 1; i <= 4; ++i) {
    SetUp(slrTrimTrack[i], TrimTrackSetups[i]);
    SetUp(slrTrimDB[i], TrimDBSetups[i]);
    lblTrimTrack[i] = TrimTrackPrefixes[i] + QString::number(trackLabelValues[i]);
    lblTrimDB[i] = TrimDBPrefixes[i] + QString::number(dbLabelValues[i]);
  }

  lstDefDB.ToolTip = QString::fromUtf8("Här Väljer Du Vilken Databas Som Ska Spelas.");
  const char* databaseButtons[] = {"New", "Open...", "Save", "Save As...", "Quit"};
  for (int i = 0; i < 5; ++i) cmdDatabase[i].Caption = QString::fromLatin1(databaseButtons[i]);

  sbConfig[1] = {QStringLiteral("1/1"), QStringLiteral("Shows Tracknumber")};
  sbConfig[2] = {QString(), QStringLiteral("Drawing Cordinates")};
  sbConfig[3] = {QStringLiteral("Dirt"), QStringLiteral("Choosen Drawingblock")};
  sbConfig[4] = {QString(), QStringLiteral("Clock")};
  mnuToolBox = ToolboxMenu();
}
