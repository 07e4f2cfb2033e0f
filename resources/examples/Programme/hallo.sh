#!/bin/sh
# Beispielprogramm des Brekko-Katalogs: schreibt Datum und Uhrzeit in
# "Ausgabe.txt" neben diesem Skript und zeigt eine Meldung, wenn ein
# Meldungsprogramm vorhanden ist.
cd "$(dirname "$0")" || exit 1
text="Hallo von Brekko! Gestartet am $(date '+%d.%m.%Y um %H:%M:%S')."
echo "$text" > Ausgabe.txt
if command -v notify-send >/dev/null 2>&1; then
  notify-send "Brekko" "$text"
elif command -v xmessage >/dev/null 2>&1; then
  xmessage -center "$text" &
fi
