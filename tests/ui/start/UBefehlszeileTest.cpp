// The game's command line, through the real program: help and version without a display, and
// every word it does not know refused before a window opens.
#include <gtest/gtest.h>

#include <QProcess>

namespace {

struct TLauf {
    int Rueckgabe;
    QString Aus, Fehler;
};

TLauf Starten(const QStringList& argumente, bool ohneAnzeige = true) {
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    // Without any window system a window would end the program with an abort, not an answer.
    if (ohneAnzeige)
        for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) umgebung.remove(v);
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(KNALLFELD_SPIEL), argumente);
    if (!p.waitForFinished(20000)) p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

}  // namespace

TEST(Befehlszeile, HilfeVersionUndUnbekanntesOhneFenster) {
    const TLauf hilfe = Starten({QStringLiteral("--help")});
    EXPECT_EQ(hilfe.Rueckgabe, 0);
    EXPECT_TRUE(hilfe.Aus.startsWith(QStringLiteral("Aufruf: knallfeld [Optionen]")))
        << hilfe.Aus.toStdString();
    for (const char* o : {"--spiel LEVEL.dat", "--computer", "--klang-protokoll",
                          "--nach-erstem-bild-beenden", "-v, --version"})
        EXPECT_TRUE(hilfe.Aus.contains(QString::fromUtf8(o))) << o;
    EXPECT_EQ(Starten({QStringLiteral("-h")}).Aus, hilfe.Aus);
    const TLauf version = Starten({QStringLiteral("--version")});
    EXPECT_TRUE(version.Rueckgabe == 0 && version.Aus == "knallfeld 1.0\n");

    const QString rat = QStringLiteral("\"knallfeld --help\" zeigt die Optionen.\n");
    const std::pair<QString, QString> falsch[] = {
        {"--spiel a.dat --unbekannt", "unbekannte Option \"--unbekannt\". "},
        {"-x", "unbekannte Option \"-x\". "},
        {"--spiel", "nach \"--spiel\" fehlt ein Wert. "},
        {"Arena.dat", "unerwartetes Argument \"Arena.dat\". "},
    };
    for (const auto& [argumente, meldung] : falsch) {
        const TLauf l = Starten(argumente.split(' '));
        EXPECT_EQ(l.Rueckgabe, 2) << argumente.toStdString();
        EXPECT_TRUE(l.Fehler == "knallfeld: " + meldung + rat && l.Aus.isEmpty());
    }
    // Qt's own options still reach Qt, and the known ones still work.
    const TLauf bild = Starten({"-platform", "offscreen", "--nach-erstem-bild-beenden"});
    EXPECT_EQ(bild.Rueckgabe, 0) << bild.Fehler.toStdString();
}
