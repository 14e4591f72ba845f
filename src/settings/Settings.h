#pragma once

#include <QString>

namespace vespera {

// Every value of the settings file, with the defaults a missing file or key gives.
// Field names follow the keys of section "Settings".
struct Settings {
    int proz_taskbar = 10;
    int net_taskbar = 0;
    bool armed = false;
    QString type = QStringLiteral("Ausschalten");
    QString process;
    int processpercent = 1;
    int time = 300;
    int customtime = 60;
    int networkcard = 0;
    bool startwithwindows = false;
    bool startminimized = false;
    bool Enabelafterrestart = true;
    QString submethod = QStringLiteral("sub1");
    int Stunde = 0;
    int Minute = 0;
    int Sekunde = 0;
    int DayofMonth = 1;
    bool Montag = false;
    bool Dienstag = false;
    bool Mittwoch = false;
    bool Donnerstag = false;
    bool Freitag = false;
    bool Samstag = false;
    bool Sonntag = false;
    bool Fprocess = false;
    bool Fkey = false;
    bool Fnet = false;
    bool fproz = false;
    bool ftime = false;
    int fmaxdaempfung = 3; // read, never written
    bool fexeafter = false;
    int fexemethod = 0;
    QString fexepath;
    QString fexeparam;
    int processormethod = 0;
    bool FullscreenCountdown = true;
    bool Daempfung = false;
    int Language = 1;
    // Added keys, after the ones above.
    bool KeepAwake = true; // hold an inhibitor against suspend and idle locking while armed
    bool WarnAhead = true; // a desktop notification a minute before the action

    bool operator==(const Settings&) const = default;
};

} // namespace vespera
