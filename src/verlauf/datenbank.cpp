#include "verlauf/datenbank.h"

#include <dlfcn.h>
#include <sqlite3.h>

namespace tastwerk {

namespace {

// SQLite's C library, loaded when the first database is opened rather than linked: the learning history
// is read and written only when an exercise ends or a history screen opens, and a linked library is
// mapped and relocated at every start.
struct Sqlite {
    decltype(&sqlite3_open_v2) open_v2;
    decltype(&sqlite3_close) close;
    decltype(&sqlite3_errmsg) errmsg;
    decltype(&sqlite3_errstr) errstr;
    decltype(&sqlite3_extended_result_codes) extended_result_codes;
    decltype(&sqlite3_busy_timeout) busy_timeout;
    decltype(&sqlite3_exec) exec;
    decltype(&sqlite3_get_autocommit) get_autocommit;
    decltype(&sqlite3_prepare_v2) prepare_v2;
    decltype(&sqlite3_finalize) finalize;
    decltype(&sqlite3_bind_int64) bind_int64;
    decltype(&sqlite3_bind_double) bind_double;
    decltype(&sqlite3_bind_text) bind_text;
    decltype(&sqlite3_bind_blob) bind_blob;
    decltype(&sqlite3_step) step;
    decltype(&sqlite3_sql) sql;
    decltype(&sqlite3_reset) reset;
    decltype(&sqlite3_clear_bindings) clear_bindings;
    decltype(&sqlite3_column_int64) column_int64;
    decltype(&sqlite3_column_double) column_double;
    decltype(&sqlite3_column_blob) column_blob;
    decltype(&sqlite3_column_bytes) column_bytes;
};

constexpr const char* SqliteBibliothek = "libsqlite3.so.0";

[[noreturn]] void nichtGeladen(const std::string& grund) {
    throw Datenbankfehler(SQLITE_CANTOPEN, std::string("SQLite (") + SqliteBibliothek +
                                               ") kann nicht geladen werden: " + grund);
}

template <typename Funktion> void holen(void* bibliothek, const char* name, Funktion& ziel) {
    ziel = reinterpret_cast<Funktion>(dlsym(bibliothek, name));
    if (ziel == nullptr) {
        nichtGeladen(std::string(name) + " fehlt");
    }
}

Sqlite laden() {
    // Kept loaded for the rest of the run.
    void* b = dlopen(SqliteBibliothek, RTLD_NOW | RTLD_LOCAL);
    if (b == nullptr) {
        const char* grund = dlerror();
        nichtGeladen(grund != nullptr ? grund : "unbekannter Grund");
    }
    Sqlite s{};
    holen(b, "sqlite3_open_v2", s.open_v2);
    holen(b, "sqlite3_close", s.close);
    holen(b, "sqlite3_errmsg", s.errmsg);
    holen(b, "sqlite3_errstr", s.errstr);
    holen(b, "sqlite3_extended_result_codes", s.extended_result_codes);
    holen(b, "sqlite3_busy_timeout", s.busy_timeout);
    holen(b, "sqlite3_exec", s.exec);
    holen(b, "sqlite3_get_autocommit", s.get_autocommit);
    holen(b, "sqlite3_prepare_v2", s.prepare_v2);
    holen(b, "sqlite3_finalize", s.finalize);
    holen(b, "sqlite3_bind_int64", s.bind_int64);
    holen(b, "sqlite3_bind_double", s.bind_double);
    holen(b, "sqlite3_bind_text", s.bind_text);
    holen(b, "sqlite3_bind_blob", s.bind_blob);
    holen(b, "sqlite3_step", s.step);
    holen(b, "sqlite3_sql", s.sql);
    holen(b, "sqlite3_reset", s.reset);
    holen(b, "sqlite3_clear_bindings", s.clear_bindings);
    holen(b, "sqlite3_column_int64", s.column_int64);
    holen(b, "sqlite3_column_double", s.column_double);
    holen(b, "sqlite3_column_blob", s.column_blob);
    holen(b, "sqlite3_column_bytes", s.column_bytes);
    return s;
}

// Loaded by the first database; a failed load is tried again by the next.
const Sqlite& sqlite() {
    static const Sqlite s = laden();
    return s;
}

} // namespace

bool Datenbankfehler::beschaedigt() const {
    const int grund = code_ & 0xFF;
    return grund == SQLITE_CORRUPT || grund == SQLITE_NOTADB;
}

bool Datenbankfehler::voll() const {
    return (code_ & 0xFF) == SQLITE_FULL;
}

Datenbank::Datenbank(const std::string& pfad) {
    const int code =
        sqlite().open_v2(pfad.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        const std::string text = db_ ? sqlite().errmsg(db_) : sqlite().errstr(code);
        sqlite().close(db_);
        db_ = nullptr;
        throw Datenbankfehler(code, "\"" + pfad + "\": " + text);
    }
    sqlite().extended_result_codes(db_, 1);
    // Another running copy may be writing: wait for it rather than fail.
    sqlite().busy_timeout(db_, 10000);
}

Datenbank::~Datenbank() {
    sqlite().close(db_);
}

void Datenbank::fehler(int code, std::string_view was) const {
    throw Datenbankfehler(code, std::string(was) + ": " + sqlite().errmsg(db_));
}

void Datenbank::ausfuehren(const char* sql) {
    const int code = sqlite().exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        fehler(code, sql);
    }
}

void Datenbank::zurueckrollen() noexcept {
    if (!sqlite().get_autocommit(db_)) {
        sqlite().exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

Anweisung::Anweisung(Datenbank& db, const char* sql) : db_(db) {
    const int code = sqlite().prepare_v2(db.roh(), sql, -1, &st_, nullptr);
    if (code != SQLITE_OK) {
        db.fehler(code, sql);
    }
}

Anweisung::~Anweisung() {
    sqlite().finalize(st_);
}

Anweisung& Anweisung::binde(int stelle, std::int64_t wert) {
    const int code = sqlite().bind_int64(st_, stelle, wert);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

Anweisung& Anweisung::binde(int stelle, double wert) {
    const int code = sqlite().bind_double(st_, stelle, wert);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

Anweisung& Anweisung::bindeText(int stelle, std::string_view text) {
    const int code = sqlite().bind_text(st_, stelle, text.data(), int(text.size()), SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

Anweisung& Anweisung::bindeBytes(int stelle, std::string_view bytes) {
    // An empty blob must still be a blob, not NULL.
    const int code = sqlite().bind_blob(st_, stelle, bytes.empty() ? "" : bytes.data(), int(bytes.size()),
                                        SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
        db_.fehler(code, "bind");
    }
    return *this;
}

bool Anweisung::schritt() {
    const int code = sqlite().step(st_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    db_.fehler(code, sqlite().sql(st_));
}

void Anweisung::zuruecksetzen() {
    sqlite().reset(st_);
    sqlite().clear_bindings(st_);
}

std::int64_t Anweisung::zahl(int spalte) const {
    return sqlite().column_int64(st_, spalte);
}

double Anweisung::reell(int spalte) const {
    return sqlite().column_double(st_, spalte);
}

std::string Anweisung::text(int spalte) const {
    const auto* daten = static_cast<const char*>(sqlite().column_blob(st_, spalte));
    const int laenge = sqlite().column_bytes(st_, spalte);
    return daten ? std::string(daten, std::size_t(laenge)) : std::string();
}

} // namespace tastwerk
