/* kalvo: the STL repair engine's public boundary.
 *
 * One job per call: the host fills a RepairJob, XORs every byte of it with
 * RepairJobKey and passes its address to RunRepairJob. The engine reports back
 * through the callback on the caller's thread. Texts are NUL-terminated UTF-16.
 * Every pointer handed to the callback is valid only during that call.
 */
#ifndef KALVO_KALVO_H
#define KALVO_KALVO_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
typedef char16_t kalvo_char16;
extern "C" {
#else
typedef uint_least16_t kalvo_char16; /* what <uchar.h> calls char16_t */
#endif

#if defined(KALVO_BUILDING_LIBRARY)
#define KALVO_API __attribute__((visibility("default")))
#else
#define KALVO_API
#endif

/* Messages the engine sends through the callback. */
enum {
    EM_PROGRESS = 1524,     /* param: const uint8_t* percent, 0..100 */
    EM_SOURCE_FILE = 1535,  /* param: const char16_t* source path */
    EM_LOG = 1568,          /* param: const char16_t* log line */
    EM_QUERY_ABORT = 1575,  /* param: 0; a non-zero answer stops the scan */
    EM_ERROR = 1577,        /* param: const char16_t* error text */
    EM_FACET_COUNT = 1581,  /* param: const uint32_t* facets written */
    EM_SHOW_MESSAGE = 1724  /* param: const char16_t* text for a message box */
};

/* The one-byte key both sides use to scramble the RepairJob block. */
enum { RepairJobKey = 0xA7 };

typedef int32_t (*EngineCallback)(uint32_t message, uintptr_t param, void* context);

#pragma pack(push, 1)
typedef struct TOptionsStruct {
    uint32_t Reserved;                   /* host writes 0 */
    uint16_t wLangID;                    /* LANGID of the user-interface language */
    const kalvo_char16* lpszTempDirStr;  /* host leaves it null; not read */
    const kalvo_char16* lpszEpsilon;     /* precision as typed, e.g. u"1e-6" */
} TOptionsStruct;
#pragma pack(pop)

typedef struct RepairJob {
    const kalvo_char16* SourcePath;
    const TOptionsStruct* Options;
    uintptr_t Reserved;                  /* host sends 0; not read */
    const kalvo_char16* TargetPath;
    EngineCallback Callback;             /* may be null: the job is then silent */
    void* Context;                       /* passed back as the callback's third argument */
} RepairJob;

/* Runs one repair job. block points to a RepairJob scrambled with RepairJobKey.
 * Returns 1 when at least one facet was written to the target, else 0. */
KALVO_API int32_t RunRepairJob(const void* block);

/* ---- Second entry: versioned options, strict or salvage mode ------------------
 * RunRepairJobEx takes a plain (not scrambled) KalvoJobEx whose Options point to
 * a KalvoJobOptions with StructSize = sizeof(KalvoJobOptions) and Version =
 * KALVO_JOB_OPTIONS_VERSION. A record of another size or version, an unknown
 * mode or a null record is refused: result 0 and no message at all.
 * KALVO_MODE_STRICT runs exactly the job of RunRepairJob. KALVO_MODE_SALVAGE
 * keeps every record that survived intact, whatever its stored normal; same
 * messages, same fixed-file layout. It reads the source twice to decide and
 * once more to write (the percent rises over the three), and asks
 * EM_QUERY_ABORT before every record candidate and every 4 KiB of the first
 * two readings and before every record written. Result: 1 when at least one
 * facet was written, else 0. */
enum { KALVO_MODE_STRICT = 0, KALVO_MODE_SALVAGE = 1 };
enum { KALVO_JOB_OPTIONS_VERSION = 1 };

typedef struct KalvoJobOptions {
    uint32_t StructSize;                 /* sizeof(KalvoJobOptions) */
    uint32_t Version;                    /* KALVO_JOB_OPTIONS_VERSION */
    uint32_t Mode;                       /* KALVO_MODE_STRICT or KALVO_MODE_SALVAGE */
    uint16_t wLangID;                    /* LANGID of the user-interface language */
    uint16_t Reserved;                   /* host writes 0; not read */
    const kalvo_char16* lpszEpsilon;     /* precision as typed; strict mode only */
} KalvoJobOptions;

typedef struct KalvoJobEx {
    const kalvo_char16* SourcePath;
    const KalvoJobOptions* Options;
    const kalvo_char16* TargetPath;
    EngineCallback Callback;             /* may be null: the job is then silent */
    void* Context;                       /* passed back as the callback's third argument */
} KalvoJobEx;

KALVO_API int32_t RunRepairJobEx(const KalvoJobEx* job);
/* The layout is part of the boundary: pinned for both word sizes. */
#ifdef __cplusplus
#define KALVO_EX_ASSERT(c, m) static_assert(c, m)
#else
#define KALVO_EX_ASSERT(c, m) _Static_assert(c, m)
#endif
KALVO_EX_ASSERT(offsetof(KalvoJobOptions, StructSize) == 0, "KalvoJobOptions.StructSize");
KALVO_EX_ASSERT(offsetof(KalvoJobOptions, Version) == 4, "KalvoJobOptions.Version");
KALVO_EX_ASSERT(offsetof(KalvoJobOptions, Mode) == 8, "KalvoJobOptions.Mode");
KALVO_EX_ASSERT(offsetof(KalvoJobOptions, wLangID) == 12, "KalvoJobOptions.wLangID");
KALVO_EX_ASSERT(offsetof(KalvoJobOptions, Reserved) == 14, "KalvoJobOptions.Reserved");
KALVO_EX_ASSERT(offsetof(KalvoJobOptions, lpszEpsilon) == 16, "KalvoJobOptions.lpszEpsilon");
KALVO_EX_ASSERT(sizeof(KalvoJobOptions) == (sizeof(void*) == 8 ? 24 : 20), "KalvoJobOptions size");
KALVO_EX_ASSERT(offsetof(KalvoJobEx, SourcePath) == 0, "KalvoJobEx.SourcePath");
KALVO_EX_ASSERT(offsetof(KalvoJobEx, Options) == (sizeof(void*) == 8 ? 8 : 4), "KalvoJobEx.Options");
KALVO_EX_ASSERT(offsetof(KalvoJobEx, TargetPath) == (sizeof(void*) == 8 ? 16 : 8), "KalvoJobEx.TargetPath");
KALVO_EX_ASSERT(offsetof(KalvoJobEx, Callback) == (sizeof(void*) == 8 ? 24 : 12), "KalvoJobEx.Callback");
KALVO_EX_ASSERT(offsetof(KalvoJobEx, Context) == (sizeof(void*) == 8 ? 32 : 16), "KalvoJobEx.Context");
KALVO_EX_ASSERT(sizeof(KalvoJobEx) == (sizeof(void*) == 8 ? 40 : 20), "KalvoJobEx size");
#undef KALVO_EX_ASSERT
/* ---- End of the second entry ---------------------------------------------------- */

#ifdef __cplusplus
}
#endif

/* The layout is part of the boundary: pin it for both word sizes. */
#ifdef __cplusplus
#define KALVO_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#define KALVO_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif
KALVO_STATIC_ASSERT(sizeof(void*) == 4 || sizeof(void*) == 8, "32- or 64-bit words only");
KALVO_STATIC_ASSERT(sizeof(uintptr_t) == sizeof(void*) && sizeof(EngineCallback) == sizeof(void*),
                    "RepairJob fields are one machine word each");
KALVO_STATIC_ASSERT(offsetof(RepairJob, SourcePath) == (sizeof(void*) == 8 ? 0 : 0), "SourcePath");
KALVO_STATIC_ASSERT(offsetof(RepairJob, Options) == (sizeof(void*) == 8 ? 8 : 4), "Options");
KALVO_STATIC_ASSERT(offsetof(RepairJob, Reserved) == (sizeof(void*) == 8 ? 16 : 8), "Reserved");
KALVO_STATIC_ASSERT(offsetof(RepairJob, TargetPath) == (sizeof(void*) == 8 ? 24 : 12), "TargetPath");
KALVO_STATIC_ASSERT(offsetof(RepairJob, Callback) == (sizeof(void*) == 8 ? 32 : 16), "Callback");
KALVO_STATIC_ASSERT(offsetof(RepairJob, Context) == (sizeof(void*) == 8 ? 40 : 20), "Context");
KALVO_STATIC_ASSERT(sizeof(RepairJob) == (sizeof(void*) == 8 ? 48 : 24), "RepairJob size");
KALVO_STATIC_ASSERT(offsetof(TOptionsStruct, Reserved) == 0, "TOptionsStruct.Reserved");
KALVO_STATIC_ASSERT(offsetof(TOptionsStruct, wLangID) == 4, "TOptionsStruct.wLangID");
KALVO_STATIC_ASSERT(offsetof(TOptionsStruct, lpszTempDirStr) == 6, "TOptionsStruct.lpszTempDirStr");
KALVO_STATIC_ASSERT(offsetof(TOptionsStruct, lpszEpsilon) == (sizeof(void*) == 8 ? 14 : 10),
                    "TOptionsStruct.lpszEpsilon");
KALVO_STATIC_ASSERT(sizeof(TOptionsStruct) == (sizeof(void*) == 8 ? 22 : 14), "TOptionsStruct size");

#endif /* KALVO_KALVO_H */
