#pragma once

#include <QByteArray>

// The translation table of the tests' window "TTestForm", written byte by byte: every section kind,
// umlauts and cp1252 bytes 0x80-0x9F, the stored line break 0x19 0x1A, empty values and lists in
// comma form. Every field is closed by the delimiter 0x01; each literal ends at a delimiter so that
// no hex escape runs into the next text.
// clang-format off
inline const QByteArray TestFormTable = QByteArrayLiteral(
    "stCaptions\r\n"
    "TTestForm\x01"         "Testfenster\x01"              "Test window\x01"            "\r\n"
    "GroupBox1\x01"         "Shutdown nach \x01"           "Shutdown after \x01"        "\r\n"
    "CheckBox2\x01"         "Aktivieren\x01"               "Activate\x01"               "\r\n"
    "FullScreenchk\x01"     "Fullscreen Countdown\x01"     "\x01"                       "\r\n"
    "Label8\x01"            "Skala\x01"                    "Scale\x01"                  "\r\n"
    "Button4\x01"           "Setzen\x01"                   "Set\x01"                    "\r\n"
    "Sprache1\x01"          "Sprache\x01"                  "Language\x01"               "\r\n"
    "Deutsch1\x01"          "Deutsch\x01"                  "German\x01"                 "\r\n"
    "Englisch1\x01"         "Englisch\x01"                 "English\x01"                "\r\n"
    "Ueber1\x01"            "\xDC" "ber\x01"               "About\x01"                  "\r\n"
    "Hilfe1\x01"            "Hilfe\x01"                    "Help\x01"                   "\r\n"
    "MainMenu1\x01"         "Hauptmen\xFC\x01"             "Main menu\x01"              "\r\n"
    "Edit1\x01"             "gesperrt\x01"                 "locked\x01"                 "\r\n"
    "NoSuchWidget\x01"      "fehlt\x01"                    "missing\x01"                "\r\n"
    "stHints\r\n"
    "CheckBox2\x01"         "Scharf\x19\x1Aschalten\x01"   "Arm\x19\x1Athe watch\x01"   "\r\n"
    "Edit1\x01"             "Schwelle\x01"                 "Threshold\x01"              "\r\n"
    "stDisplayLabels\r\n"
    "stFonts\r\n"
    "ProzCheckBox\x01"      "Microsoft Sans Serif\x01"     "Tahoma\x01"                 "\r\n"
    "stMultiLines\r\n"
    "ComboBox1.Items\x01"   "10 Sekunden,30 Sekunden\x01"  "10 seconds,30 seconds\x01"  "\r\n"
    "cbbmonthday.Items\x01" "1.,2.,\"3. Tag\"\x01"         "1st,2nd,\"3rd day\"\x01"    "\r\n"
    "Memo1.Lines\x01"       "\"Zeile eins\",\"Zeile \"\"zwei\"\"\"\x01" "\"Line one\",\"Line \"\"two\"\"\"\x01" "\r\n"
    "RadioGroup1.Items\x01" "t\xE4glich,monatlich\x01"     "daily,monthly\x01"          "\r\n"
    "stDlgsCaptions\r\n"
    "Yes\x01"               "&Ja\x01"                      "\x01"                       "\r\n"
    "stStrings\r\n"
    "IDS_7\x01"             "Preis: 5 \x80\x01"            "Price: \x84" "5\x93\x01"    "\r\n"
    "IDS_115\x01"           " MHz\x01"                     "\x01"                       "\r\n"
    "IDS_231\x01"           "Erster\x19\x1AStart\x01"      "First\x19\x1Alaunch\x01"    "\r\n"
    "stOtherStrings\r\n"
    "Edit2.Text\x01"        "Wert\x01"                     "Value\x01"                  "\r\n"
    "stLocales\r\n"
    "stCollections\r\n"
    "stCharSets\r\n"
    "TTestForm\x01"         "DEFAULT_CHARSET\x01"          "ANSI_CHARSET\x01"           "\r\n");
// clang-format on
