#pragma once
// A file layer under SQLite that fails or crashes on a chosen write: a disk that fills up,
// an I/O error, or the process dying half-way through writing the database file.

#include <sqlite3.h>

#include <unistd.h>

namespace testing_support {

class FaultyVfs {
public:
    enum class Target { Journal, Database };
    enum class Fault { None, Full, IoError, Crash };
    /// The exit status of a process that the Crash fault ended.
    static constexpr int kCrashed = 86;

    /// Installs the layer as SQLite's default for this process (once).
    static void install() {
        static bool done = [] {
            real() = sqlite3_vfs_find(nullptr);
            static sqlite3_vfs vfs = *real();
            vfs.zName = "faulty";
            vfs.szOsFile = static_cast<int>(sizeof(File)) + real()->szOsFile;
            vfs.xOpen = &open;
            sqlite3_vfs_register(&vfs, 1);
            return true;
        }();
        (void)done;
    }

    /// From now on the `after`+1-th write to the target file fails as told: once for an I/O
    /// error or a crash; a full disk stays full for every later write until disarm().
    static void arm(Target target, int after, Fault fault) { state() = {target, after, fault}; }
    static void disarm() { state().fault = Fault::None; }

private:
    struct State {
        Target target = Target::Journal;
        int remaining = 0;
        Fault fault = Fault::None;
    };
    struct File {
        const sqlite3_io_methods* methods;
        sqlite3_file* real;
        bool database;
    };

    static sqlite3_vfs*& real() {
        static sqlite3_vfs* vfs = nullptr;
        return vfs;
    }
    static State& state() {
        static State s;
        return s;
    }
    static sqlite3_file* inner(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }

    static int open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags,
                    int* outFlags) {
        auto* f = reinterpret_cast<File*>(file);
        f->methods = nullptr;
        f->real = reinterpret_cast<sqlite3_file*>(f + 1);
        f->database = (flags & SQLITE_OPEN_MAIN_DB) != 0;
        const int rc = real()->xOpen(real(), name, f->real, flags, outFlags);
        if (rc == SQLITE_OK && f->real->pMethods)
            f->methods = &methods();
        return rc;
    }

    static int write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
        auto* f = reinterpret_cast<File*>(file);
        State& s = state();
        const bool journal = !f->database;
        if (s.fault != Fault::None && journal == (s.target == Target::Journal) &&
            s.remaining-- <= 0) {
            const Fault fault = s.fault;
            if (fault != Fault::Full)
                s.fault = Fault::None;
            if (fault == Fault::Crash)
                ::_exit(kCrashed); // dies with the file half-written, as a power cut leaves it
            return fault == Fault::Full ? SQLITE_FULL : SQLITE_IOERR_WRITE;
        }
        return f->real->pMethods->xWrite(f->real, data, amount, offset);
    }

    static const sqlite3_io_methods& methods() {
        static const sqlite3_io_methods m = [] {
            sqlite3_io_methods io{};
            io.iVersion = 1; // no shared memory or memory mapping: rollback journals only
            io.xClose = [](sqlite3_file* f) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xClose(r);
            };
            io.xRead = [](sqlite3_file* f, void* d, int n, sqlite3_int64 o) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xRead(r, d, n, o);
            };
            io.xWrite = &write;
            io.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xTruncate(r, size);
            };
            io.xSync = [](sqlite3_file* f, int flags) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xSync(r, flags);
            };
            io.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xFileSize(r, size);
            };
            io.xLock = [](sqlite3_file* f, int lock) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xLock(r, lock);
            };
            io.xUnlock = [](sqlite3_file* f, int lock) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xUnlock(r, lock);
            };
            io.xCheckReservedLock = [](sqlite3_file* f, int* out) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xCheckReservedLock(r, out);
            };
            io.xFileControl = [](sqlite3_file* f, int op, void* arg) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xFileControl(r, op, arg);
            };
            io.xSectorSize = [](sqlite3_file* f) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xSectorSize(r);
            };
            io.xDeviceCharacteristics = [](sqlite3_file* f) {
                sqlite3_file* r = inner(f);
                return r->pMethods->xDeviceCharacteristics(r);
            };
            return io;
        }();
        return m;
    }
};

} // namespace testing_support
