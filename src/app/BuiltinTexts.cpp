#include "app/BuiltinTexts.h"

#include <QHash>

#include <utility>

namespace vespera {

QString BuiltinTexts::lookupText(const QString& key) const {
    static const QHash<QString, std::pair<const char*, const char*>> rows = {
        {QStringLiteral("IDS_2"), {"Ruhezustand", "Hibernate"}},
        {QStringLiteral("IDS_3"), {"Ausschalten", "Shutdown"}},
        {QStringLiteral("IDS_5"), {"Abmelden", "Log Off"}},
        {QStringLiteral("IDS_22"), {"10 Sekunden", "10 seconds"}},
        {QStringLiteral("IDS_23"), {"30 Sekunden", "30 seconds"}},
        {QStringLiteral("IDS_24"), {"1 Minute", "1 minute"}},
        {QStringLiteral("IDS_25"), {"2 Minuten", "2 minutes"}},
        {QStringLiteral("IDS_26"), {"5 Minuten", "5 minutes"}},
        {QStringLiteral("IDS_27"), {"10 Minuten", "10 minutes"}},
        {QStringLiteral("IDS_28"), {"15 Minuten", "15 minutes"}},
        {QStringLiteral("IDS_29"), {"30 Minuten", "30 minutes"}},
        {QStringLiteral("IDS_30"), {"45 Minuten", "45 minutes"}},
        {QStringLiteral("IDS_31"), {"1 Stunde", "1 hour"}},
        {QStringLiteral("IDS_32"), {"Sofort", "Now"}},
        {QStringLiteral("IDS_97"), {"Es ist noch kein Prozess/Programm, das überwacht werden soll, eingestellt!",
                                    "No program / process is selected to be monitored!"}},
        {QStringLiteral("IDS_102"), {"In ", "In "}},
        {QStringLiteral("IDS_103"), {" Sekunden wird Ihr PC ", " seconds your PC will be "}},
        {QStringLiteral("IDS_124"), {"ausgeschaltet!", "shut down!"}},
        {QStringLiteral("IDS_125"), {"Ihr PC wird ausgeschaltet!", "Your PC will shutdown now!"}},
        {QStringLiteral("IDS_126"), {"in den Ruhezustand versetzt!", "going down to hibernate!"}},
        {QStringLiteral("IDS_127"), {"Ihr PC wird in den Ruhezustand versetzt!", "Your PC will hibernate now!"}},
        {QStringLiteral("IDS_128"), {"in den Standby versetzt!", "going down to standby!"}},
        {QStringLiteral("IDS_129"), {"Ihr PC wird in den Standby versetzt!", "Your PC goes to standby now!"}},
        {QStringLiteral("IDS_130"), {"neugestartet!", "restarted!"}},
        {QStringLiteral("IDS_131"), {"Ihr PC wird neugestartet!", "Your PC will be restarted now!"}},
        {QStringLiteral("IDS_132"), {"abgemeldet!", "logged off!"}},
        {QStringLiteral("IDS_133"), {"Dieser Benutzer wird abgemeldet!", "Actual User will be logged off now!"}},
        {QStringLiteral("IDS_157"), {" Sekunden wird Ihr ", " seconds your "}},
        {QStringLiteral("IDS_158"), {"Fertig - ", "Finished - "}},
        {QStringLiteral("IDS_231"), {"Dies scheint der erste Start von Vespera zu sein, möchten",
                                     "This seems to be the first launch of Vespera, do you like to"}},
        {QStringLiteral("IDS_232"), {"Sie mit dem Einstellungswizard starten?", "start with the Settings Wizard?"}},
    };
    const auto row = rows.constFind(key);
    if (row == rows.constEnd())
        return {};
    return QString::fromUtf8(language_ == 2 ? row->second : row->first);
}

} // namespace vespera
