// The small book the tests and the own-book stage of the checks make Quirel
// from.
#include "pdf_maker.h"

MadeBook smallBook() {
  MadeBook book;
  book.title = "Das Spindelbuch";
  book.author = "Erika Muster";
  auto page = [&book](const std::string& label, std::vector<std::string> lines) {
    book.pages.push_back({label, std::move(lines)});
  };
  page("i", {"Das Spindelbuch", "Titelblatt"});
  page("ii", {"Inhaltsverzeichnis", "1 Grundlagen . . . . . . . 2", "2 Aufbau . . . . . . . 5"});
  page("1", {"Teil I", "Grundlagen und Aufbau"});
  page("2", {"Das Spindelbuch", "1. Grundlagen", "1.1 Spindeln", "Die Spindel-", "drehzahl und die Spindel-",
             "Konfiguration", "Seite 2"});
  page("3", {"Das Spindelbuch", "1.1.1 Drehzahl", "Spindel- und Achsensteuerung ist h\xC3\xA4u\xEF\xAC\x81g ein Caf\xC3\xA9",
             "Seite 3"});
  std::vector<std::string> lines = {"Das Spindelbuch", "1.2 Achsen"};
  for (const std::string& line : madeUpWords(0, 100)) lines.push_back(line);
  lines.push_back("Seite 4");
  page("4", lines);
  page("5", {"Das Spindelbuch", "2. Aufbau", "Gehäuse und Schlitten", "Seite 5"});
  page("A-1", {"Anhangwort"});
  page("6", {"Index", "Stichwort, 2"});
  book.outline = {{1, "Teil I Grundlagen und Aufbau", 3}, {2, "Grundlagen", 4}, {3, "Spindeln", 4},
                  {4, "Drehzahl", 5},   {5, "Zu tief", 5},  {3, "Achsen", 6},   {2, "Aufbau", 7},
                  {1, "Index", 9}};
  return book;
}

