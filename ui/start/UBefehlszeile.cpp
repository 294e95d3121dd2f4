#include "ui/start/UBefehlszeile.h"

#include <QCommandLineParser>

namespace {

const QString kAufruf = QStringLiteral("Aufruf: knallfeld [Optionen]\n\n");

// The options Qt's own start reads (window system, style, geometry); they pass unchecked and
// are not listed in the help.
void QtOptionen(QCommandLineParser& p) {
    for (const char* mitWert :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry",
          "qwindowgeometry", "qwindowtitle", "qwindowicon", "style", "stylesheet", "session"}) {
        QCommandLineOption o(QString::fromLatin1(mitWert), QString(), QStringLiteral("x"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
    for (const char* schalter : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption o(QString::fromLatin1(schalter));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
}

TBefehlszeile Beenden(int rueckgabe, const QString& text) {
    TBefehlszeile b;
    b.Ende = true;
    b.Rueckgabe = rueckgabe;
    b.Ausgabe = text;
    b.AufFehlerkanal = rueckgabe != 0;
    return b;
}

}  // namespace

TBefehlszeile BefehlszeileLesen(const QStringList& argumente) {
    const QList<QCommandLineOption> eigene = {
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("zeigt diese Hilfe")},
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("zeigt die Version")},
        {QStringLiteral("spiel"), QStringLiteral("beginnt sofort ein Spiel auf diesem Level"),
         QStringLiteral("LEVEL.dat")},
        {QStringLiteral("computer"),
         QStringLiteral("mit --spiel: der Computer steuert beide Spieler")},
        {QStringLiteral("klang-protokoll"),
         QStringLiteral("schreibt jeden gespielten Klang mit der Uhrzeit in ms auf die "
                        "Standardfehlerausgabe")},
        {QStringLiteral("nach-erstem-bild-beenden"),
         QStringLiteral("beendet das Programm nach dem ersten Bild seines Fensters (für die "
                        "Messungen)")},
    };
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.addOptions(eigene);
    QtOptionen(p);
    const QString rat = QStringLiteral("\"knallfeld --help\" zeigt die Optionen.\n");
    if (!p.parse(argumente)) {
        if (!p.unknownOptionNames().isEmpty()) {
            const QString name = p.unknownOptionNames().constFirst();
            return Beenden(
                2,
                QStringLiteral("knallfeld: unbekannte Option \"%1%2\". ")
                        .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name) +
                    rat);
        }
        // The only other failure: an option's value is missing, so it was the last word.
        return Beenden(
            2,
            QStringLiteral("knallfeld: nach \"%1\" fehlt ein Wert. ").arg(argumente.constLast()) +
                rat);
    }
    if (!p.positionalArguments().isEmpty())
        return Beenden(2, QStringLiteral("knallfeld: unerwartetes Argument \"%1\". ")
                                  .arg(p.positionalArguments().constFirst()) +
                              rat);
    if (p.isSet(QStringLiteral("help"))) {
        QString text = kAufruf + QStringLiteral(
                                     "Knallfeld, ein Bomben-Arenaspiel für zwei Spieler an einer "
                                     "Tastatur.\n\nOptionen:\n");
        for (const QCommandLineOption& o : eigene) {
            QString namen;
            for (const QString& n : o.names())
                namen += (namen.isEmpty() ? QString() : QStringLiteral(", ")) +
                         (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
            if (!o.valueName().isEmpty()) namen += QLatin1Char(' ') + o.valueName();
            text += QStringLiteral("  %1  %2\n").arg(namen, -30).arg(o.description());
        }
        return Beenden(0, text);
    }
    if (p.isSet(QStringLiteral("version")))
        return Beenden(0, QStringLiteral("knallfeld " KNALLFELD_VERSION "\n"));
    TBefehlszeile b;
    b.Spiel = p.value(QStringLiteral("spiel"));
    b.Computer = p.isSet(QStringLiteral("computer"));
    b.KlangProtokoll = p.isSet(QStringLiteral("klang-protokoll"));
    b.NachErstemBildBeenden = p.isSet(QStringLiteral("nach-erstem-bild-beenden"));
    return b;
}
