#include "messages.h"

namespace {

// Paragraphs and lines of the message boxes are split by LF CR.
const QString kBreak = "\n\r";

}  // namespace

const QString kGameTitle = "Plinkett";

QString ColumnFullText() { return "Column is full." + kBreak + "Choose another column."; }

QString RulesText() {
  return "Each player chooses an icon. When your icon says GO, drag it onto to any "
         "column's numbered arrow and release it."
         "The icon will drop and rest on the top-most icon already there. Once you'v "
         "dropped an icon, you can't retrieve it."
         " When you form a line of 4 of your own icons anywhere in the grid either "
         "horizontally,"
         "vertically, or at a 45" +
         QString(QChar(176)) +
         " angle (up, down, to the right, or to the left), you win!"
         " You have to think ahead to block your opponent from getting 4 of his/her icons "
         "in a line,"
         " but at the same time you have to give yourself the opportunity to win. To "
         "practice, be both players yourself. For a new game, press Reset." +
         kBreak + kBreak +
         "For a harder game of the same kind, on a larger grid with more players, see "
         "Plinkett Grand at www.plinkett-grand.example" +
         kBreak + "Its designer's pages: www.grand-designer.example" + kBreak +
         "The red and blue icons are fractal images.";
}

QString CreditsText() {
  return "Designed and programmed in C++ by" + kBreak + "the Plinkett team" +
         kBreak + "plinkett@plinkett.example" + kBreak + "2026";
}
