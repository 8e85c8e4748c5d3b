#pragma once

#include <QByteArray>
#include <QString>

// The registry script "Vora.Reg" that associates ".wdb" files with the game;
// lines end with CR LF.
QByteArray RegScriptText(const QString& programFolder);
