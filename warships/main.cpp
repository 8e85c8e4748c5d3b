#include "core/battle.h"
#include "core/random_source.h"
#include "window/enemy_map_window.h"
#include "window/home_map_window.h"
#include "window/message_box.h"
#include "window/start_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    ShowMessage(nullptr, QStringLiteral("About..."),
                QStringLiteral("Warships, by the Harbour Games crew\ne-mail: crew@harbour-games.example"));

    Form3 form3;
    form3.exec();

    Form1 form1;
    form1.PinAt([] { return QPoint(0, 0); });
    form1.show();
    form1.WaitUntilFramed();
    if (!form1.isVisible())
        return 0; // closed while it was being placed

    Form2 form2;
    ClockRandomSource random;
    Battle battle(form1, form2, form3.Easy(), random);
    form2.PlaceBeside(form1);
    form2.show();
    form1.SetBattle(&battle);
    form1.SetHomeMap(&form2);

    return app.exec();
}
