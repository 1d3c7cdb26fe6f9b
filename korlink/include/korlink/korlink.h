/* The recorder library: links to the Velmora flight recorder over a serial line, stores and
 * converts its flight logs, checks their security values, and manages its navpoints, tasks,
 * declaration and configuration.
 *
 * Every function runs to completion on the caller's thread; call them from one thread, one at a
 * time. Output buffers belong to the caller and have the sizes stated here. Functions that talk
 * to the recorder take a ConnectionDescriptor and connect afresh; no earlier KORConnect is
 * needed. */
#ifndef KORLINK_KORLINK_H
#define KORLINK_KORLINK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes returned by the functions; the message each one shows is in the comment. */
enum KORStatus {
    KOR_OK = 0,
    KOR_INVALID_PORT = 2,          /* "Invalid communications port ID" */
    KOR_CANCELLED = 3,             /* the user cancelled; nothing is shown */
    KOR_NO_CONNECTION = 4,         /* "No connection established to recorder" */
    KOR_COMMUNICATION_ERROR = 5,   /* "Communication error." */
    KOR_NO_LOGS = 6,               /* "No Logs Available." */
    KOR_LOG_WRITE_FAILED = 7,      /* "Error writing flight log to disk." */
    KOR_SECURITY_CHECK_FAILED = 8, /* "Flight failed security check." */
    KOR_FILE_OPEN_FAILED = 9,      /* "Could not open requested file." */
    KOR_FILE_READ_FAILED = 10,     /* "An error occured while trying to read requested file." */
    KOR_INVALID_TASK = 11,         /* "Specified task id was invalid, must be 1-10." */
    KOR_TASK_NOT_CONFIRMED = 12,   /* "Specified task could not be validated in the recorder." */
    KOR_DECLARATION_NOT_CONFIRMED = 13,
    KOR_NAVPOINTS_NOT_CONFIRMED = 14
};

/* Export ordinals: part of the interface, never renumbered. */
enum KOROrdinal {
    KOR_ORDINAL_INFO = 1,
    KOR_ORDINAL_GET_LOGS = 2,
    KOR_ORDINAL_EDIT_CONFIG = 3,
    KOR_ORDINAL_GET_WAYPOINTS = 4,
    KOR_ORDINAL_GET_SINGLE_LOG = 5,
    KOR_ORDINAL_VALIDATE_FILE = 6,
    KOR_ORDINAL_CONVERT_FILE = 7,
    KOR_ORDINAL_GET_TASKS = 8,
    KOR_ORDINAL_SET_TASK = 9,
    KOR_ORDINAL_DECLARE_TASK = 10,
    KOR_ORDINAL_GET_DECLARATION = 11,
    KOR_ORDINAL_ABOUT = 12,
    KOR_ORDINAL_MANAGE_SITES = 13,
    KOR_ORDINAL_GET_LOG_INFO = 14,
    KOR_ORDINAL_CONNECT = 15,
    KOR_ORDINAL_GET_LOG = 16,
    KOR_ORDINAL_GET_SITE_NAME = 17,
    KOR_ORDINAL_SET_WAYPOINTS = 18,
    KOR_ORDINAL_EDIT_WAYPOINTS = 19,
    KOR_ORDINAL_GET_LOG_FILE_TIME = 20,
    KOR_ORDINAL_GET_REV_DATE = 21,
    KOR_ORDINAL_GPS_OFF = 22,
    KOR_ORDINAL_VALIDATE_IGC_FILE = 23
};

/* How to reach the recorder: serial port 1..8 ("COM1".."COM8"), language index (0 = English),
 * further one-second connection attempts, and non-zero to connect without asking the user. */
typedef struct ConnectionDescriptor {
    uint16_t port;
    int16_t language;
    uint16_t retries;
    uint8_t quiet;
} ConnectionDescriptor;

/* One flight of the recorder's log directory: first fix year (two digits), month, day, hour,
 * minute, second; last fix year, month, day, hour, minute, second; fix count (32-bit, low byte
 * first). */
typedef struct LogDirEntry {
    uint8_t bytes[16];
} LogDirEntry;

typedef struct LogInfoList {
    uint32_t count;
    LogDirEntry entries[16];
    char descriptions[16][255];
} LogInfoList;

typedef struct LogPathList {
    uint32_t count;
    char paths[10][256];
} LogPathList;

typedef struct LogResult {
    uint32_t written;
    char path[256];
} LogResult;

/* A navpoint: position in degrees (north and east positive), elevation in metres, attribute
 * bits, id 1..9999, name and remark of at most 12 characters. */
typedef struct NavpointRecord {
    uint8_t reserved[8];
    double latitude;
    double longitude;
    float elevation;
    uint32_t attributes;
    int32_t id;
    char name[13];
    char remark[13];
    uint8_t pad[2];
} NavpointRecord;

/*  1 */ uint32_t KORInfo(const ConnectionDescriptor* connection, char pilot[25],
                          char recorderId[5], char compId[4], char glider[10]);
/*  2 */ uint32_t KORGetLogs(const ConnectionDescriptor* connection, const char* folder,
                             LogPathList* out);
/*  3 */ uint32_t KOREditConfig(const ConnectionDescriptor* connection);
/*  4 */ uint32_t KORGetWaypoints(const ConnectionDescriptor* connection, int32_t maxCount,
                                  NavpointRecord* out, uint32_t* count, char siteName[33]);
/*  5 */ uint32_t KORGetSingleLog(const ConnectionDescriptor* connection, const char* folder,
                                  int32_t day, int32_t month, char path[256]);
/*  6 */ uint32_t KORValidateFile(const char* path);
/*  7 */ uint32_t KORConvertFile(const char* path, const char* outFolder, char outName[512],
                                 uint32_t* checkOk);
/*  8 */ uint32_t KORGetTasks(const ConnectionDescriptor* connection, int32_t tasks[90]);
/*  9 */ uint32_t KORSetTask(const ConnectionDescriptor* connection, int32_t task, int32_t count,
                             const int32_t* navpoints);
/* 10 */ uint32_t KORDeclareTask(const ConnectionDescriptor* connection, int32_t task);
/* 11 */ uint32_t KORGetDeclaration(const ConnectionDescriptor* connection, char firstDate[32],
                                    char secondDate[32], uint32_t* count, int32_t navpoints[9]);
/* 12 */ uint32_t KORAbout(void);
/* 13 */ uint32_t KORManageSites(const ConnectionDescriptor* connection, const char* folder);
/* 14 */ uint32_t KORGetLogInfo(const ConnectionDescriptor* connection, LogInfoList* out);
/* 15 */ uint32_t KORConnect(const ConnectionDescriptor* connection);
/* 16 */ uint32_t KORGetLog(const ConnectionDescriptor* connection, const char* folder,
                            int32_t logNumber, LogResult* out);
/* 17 */ uint32_t KORGetSiteName(const ConnectionDescriptor* connection, char siteName[33]);
/* 18 */ uint32_t KORSetWaypoints(const ConnectionDescriptor* connection, int32_t count,
                                  const NavpointRecord* in, const char* siteName, uint32_t* sent);
/* 19 */ uint32_t KOREditWaypoints(const ConnectionDescriptor* connection, const char* title,
                                   int32_t count, int32_t capacity, NavpointRecord* records,
                                   uint32_t* countOut);
/* 20 */ uint32_t KORGetLogFileTime(const char* path, uint8_t time[6], uint32_t* estimate);
/* 21 */ char* KORGetRevDate(char* buffer, int32_t size);
/* 22 */ void KORGPSOff(void);
/* 23 */ uint32_t KORValidateIGCFile(const char* path, int32_t reportSize, char* report);

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(ConnectionDescriptor) == 8, "ConnectionDescriptor layout");
static_assert(sizeof(LogDirEntry) == 16, "LogDirEntry layout");
static_assert(sizeof(LogInfoList) == 4340, "LogInfoList layout");
static_assert(sizeof(LogPathList) == 2564, "LogPathList layout");
static_assert(sizeof(LogResult) == 260, "LogResult layout");
static_assert(sizeof(NavpointRecord) == 64, "NavpointRecord layout");
#else
_Static_assert(sizeof(ConnectionDescriptor) == 8, "ConnectionDescriptor layout");
_Static_assert(sizeof(LogInfoList) == 4340, "LogInfoList layout");
_Static_assert(sizeof(LogPathList) == 2564, "LogPathList layout");
_Static_assert(sizeof(LogResult) == 260, "LogResult layout");
_Static_assert(sizeof(NavpointRecord) == 64, "NavpointRecord layout");
#endif

#endif /* KORLINK_KORLINK_H */
