// A thin checked layer over SQLite's C library: a connection and a prepared statement, each closed
// when it goes out of scope. Every failure throws Datenbankfehler with SQLite's result code. The library
// itself is loaded when the first connection opens; when it cannot be, that connection throws
// SQLITE_CANTOPEN.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tastwerk {

class Datenbankfehler : public std::runtime_error {
public:
    Datenbankfehler(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const { return code_; }
    // The file is not a database or its content is damaged.
    bool beschaedigt() const;
    // The disk or the quota is full.
    bool voll() const;

private:
    int code_;
};

class Datenbank {
public:
    explicit Datenbank(const std::string& pfad);
    ~Datenbank();
    Datenbank(const Datenbank&) = delete;
    Datenbank& operator=(const Datenbank&) = delete;

    void ausfuehren(const char* sql);
    // Ends an open transaction without its changes; a failure here changes nothing more.
    void zurueckrollen() noexcept;
    sqlite3* roh() const { return db_; }
    [[noreturn]] void fehler(int code, std::string_view was) const;

private:
    sqlite3* db_ = nullptr;
};

class Anweisung {
public:
    Anweisung(Datenbank& db, const char* sql);
    ~Anweisung();
    Anweisung(const Anweisung&) = delete;
    Anweisung& operator=(const Anweisung&) = delete;

    Anweisung& binde(int stelle, std::int64_t wert);
    Anweisung& binde(int stelle, double wert);
    Anweisung& bindeText(int stelle, std::string_view text);
    Anweisung& bindeBytes(int stelle, std::string_view bytes);
    // Steps once: true while a row is there to read.
    bool schritt();
    void zuruecksetzen();

    std::int64_t zahl(int spalte) const;
    double reell(int spalte) const;
    std::string text(int spalte) const;

private:
    Datenbank& db_;
    sqlite3_stmt* st_ = nullptr;
};

} // namespace tastwerk
