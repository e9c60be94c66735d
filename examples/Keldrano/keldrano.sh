#!/bin/sh
# Keldrano: the small sample program that Setup installs.
here=$(dirname "$0")
echo "Keldrano läuft."
echo "Die Karte hat $(wc -l < "$here/../Daten/Karte.dat") Zeilen."
