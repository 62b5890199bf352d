#include "verlauf/datenbank.h"

#include <sqlite3.h>

namespace tastwerk {

bool Datenbankfehler::beschaedigt() const {
    const int grund = code_ & 0xFF;
    return grund == SQLITE_CORRUPT || grund == SQLITE_NOTADB;
}

bool Datenbankfehler::voll() const {
    return (code_ & 0xFF) == SQLITE_FULL;
}

Datenbank::Datenbank(const std::string& pfad) {
    const int code = sqlite3_open_v2(pfad.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        const std::string text = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw Datenbankfehler(code, "\"" + pfad + "\": " + text);
    }
    sqlite3_extended_result_codes(db_, 1);
    // Another running copy may be writing: wait for it rather than fail.
    sqlite3_busy_timeout(db_, 10000);
}

Datenbank::~Datenbank() {
    sqlite3_close(db_);
}

void Datenbank::fehler(int code, std::string_view was) const {
    throw Datenbankfehler(code, std::string(was) + ": " + sqlite3_errmsg(db_));
}

void Datenbank::ausfuehren(const char* sql) {
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        fehler(code, sql);
    }
}

void Datenbank::zurueckrollen() noexcept {
    if (!sqlite3_get_autocommit(db_)) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

Anweisung::Anweisung(Datenbank& db, const char* sql) : db_(db) {
    const int code = sqlite3_prepare_v2(db.roh(), sql, -1, &st_, nullptr);
    if (code != SQLITE_OK) {
        db.fehler(code, sql);
    }
}

Anweisung::~Anweisung() {
    sqlite3_finalize(st_);
}

Anweisung& Anweisung::binde(int stelle, std::int64_t wert) {
    const int code = sqlite3_bind_int64(st_, stelle, wert);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

Anweisung& Anweisung::binde(int stelle, double wert) {
    const int code = sqlite3_bind_double(st_, stelle, wert);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

Anweisung& Anweisung::bindeText(int stelle, std::string_view text) {
    const int code = sqlite3_bind_text(st_, stelle, text.data(), int(text.size()), SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

Anweisung& Anweisung::bindeBytes(int stelle, std::string_view bytes) {
    // An empty blob must still be a blob, not NULL.
    const int code = sqlite3_bind_blob(st_, stelle, bytes.empty() ? "" : bytes.data(), int(bytes.size()),
                                       SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

bool Anweisung::schritt() {
    const int code = sqlite3_step(st_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    db_.fehler(code, sqlite3_sql(st_));
}

void Anweisung::zuruecksetzen() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

std::int64_t Anweisung::zahl(int spalte) const {
    return sqlite3_column_int64(st_, spalte);
}

double Anweisung::reell(int spalte) const {
    return sqlite3_column_double(st_, spalte);
}

std::string Anweisung::text(int spalte) const {
    const auto* daten = static_cast<const char*>(sqlite3_column_blob(st_, spalte));
    const int laenge = sqlite3_column_bytes(st_, spalte);
    return daten ? std::string(daten, std::size_t(laenge)) : std::string();
}

} // namespace tastwerk
