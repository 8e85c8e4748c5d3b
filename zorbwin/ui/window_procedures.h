#pragma once

class QEvent;
class QObject;

// A window or dialog procedure: translates the platform event into the
// game's event code and dispatches it through the slot's table. True when
// the event was taken (dispatched or dropped), false when the platform's
// default handling should run.
using WindowProcedure = bool (*)(QObject* window, QEvent* event);

extern "C" {

bool Wow_FonctionFenetreGeneral(QObject* window, QEvent* event, int slot);
bool Wow_FonctionFenetreGeneral1(QObject* window, QEvent* event);
bool Wow_FonctionFenetreGeneral2(QObject* window, QEvent* event);
bool Wow_FonctionFenetreGeneral3(QObject* window, QEvent* event);
bool Wow_FonctionFenetreGeneral4(QObject* window, QEvent* event);
bool Wow_FonctionFenetreGeneral5(QObject* window, QEvent* event);

bool Wow_FonctionDialogueGeneral(QObject* dialog, QEvent* event, int slot);
}

// The window procedure and the dialog procedure of slot 0 to 4.
WindowProcedure WindowProcedureOf(int slot);
WindowProcedure DialogProcedureOf(int slot);
