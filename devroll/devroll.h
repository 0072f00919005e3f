/* devroll: the PLC catalogue library.
 *
 * Everything the system knows about PLC models, behind 42 plain C functions.
 * Codes are PLC codes (0 to 20 and 125 built in, other values catalogue
 * models); kinds are object kind codes (411 lamp, 412 key, 414 dynamic text,
 * 415 register, 416 bar graph, 417 trend chart, 419 alarm list, 420 message
 * display); typeIndex counts in the list of address types offered to a kind;
 * lang is Designer's language number (1 simplified Chinese, 2 traditional
 * Chinese, other values English).
 *
 * Texts come back as pointers into one buffer owned by the library, which the
 * next text-returning call overwrites: copy them at once. They are GBK, never
 * null. Nothing is allocated on one side and freed on the other. Null output
 * pointers are ignored. Calls must come from one thread.
 *
 * Getokplccount must run before Getplccode and Getplcitemindex: it scans the
 * catalogue folder ("plcdrives" beside the host program) and places the
 * models in the PLC selection list. Two answers are ambiguous by design and
 * kept for existing callers: Getplccode's 255 "none" is also a valid PLC code
 * and Getplcitemindex's 0 "none" is also a valid option index; a caller tells
 * them apart by asking the other way round (Getplcitemindex(Getplccode(i)) == i).
 */
#ifndef DEVROLL_H
#define DEVROLL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(DEVROLL_BUILDING)
#define DEVROLL_API __attribute__((visibility("default")))
#else
#define DEVROLL_API
#endif

/* Catalogue and model list */
DEVROLL_API int32_t Getokplccount(void);
DEVROLL_API uint8_t Getdevrollsoftwareversion(void);
DEVROLL_API uint8_t Getplccode(int32_t optionIndex);
DEVROLL_API int32_t Getplcitemindex(uint8_t code);
DEVROLL_API uint8_t Drive_GetPlcItemCaption(uint8_t code, int32_t lang, const char** caption);
DEVROLL_API uint8_t Drive_GetPlcHint(uint8_t code, int32_t lang, const char** hint);
DEVROLL_API int32_t Drive_GetSysbinID(int32_t code);
DEVROLL_API double GetDriverVer(uint8_t code);

/* Communication and station number */
DEVROLL_API int32_t Getcommunication(uint8_t code, int32_t* baud, int32_t* dataBits, int32_t* stopBits,
                                     int32_t* parity, int32_t* extra);
DEVROLL_API uint8_t GetPlcAddress(int32_t code, uint8_t* hexFlag, uint8_t* editable, int32_t* max,
                                  int32_t* min, int32_t* def);
DEVROLL_API int32_t block_GetPlcAddress(int32_t code);

/* Bit addresses */
DEVROLL_API int32_t Get_Logic_count(uint8_t code, int32_t kind);
DEVROLL_API int32_t Get_Logic_caption(uint8_t code, int32_t kind, int32_t typeIndex, const char** caption);
DEVROLL_API uint8_t Init_Logic_Address(uint8_t code, int32_t kind, int32_t typeIndex, uint8_t* spare,
                                       uint8_t* enabled1, uint8_t* visible1, uint8_t* hex1, int32_t* max1,
                                       int32_t* min1, int32_t* default1, uint8_t* enabled2, uint8_t* visible2,
                                       uint8_t* hex2, int32_t* max2, int32_t* min2, int32_t* default2,
                                       uint8_t* enabled3, uint8_t* visible3, uint8_t* hex3, int32_t* max3,
                                       int32_t* min3, int32_t* default3, int32_t* radix1, int32_t* radix2,
                                       int32_t* radix3);
DEVROLL_API uint8_t Pack_Logic_code(uint8_t code, int32_t kind, uint8_t value);
DEVROLL_API int32_t Get_Logic_defaultAdd123(uint8_t code, int32_t kind, int32_t typeIndex, int32_t part);
DEVROLL_API int32_t GetMaddress1code(uint8_t code, int32_t kind, int32_t typeIndex, int32_t selector);
DEVROLL_API void block_Getcreateaddress(uint8_t code, int32_t kind, int32_t* add1, int32_t* add2,
                                        int32_t* add3);

/* Word addresses */
DEVROLL_API int32_t Get_numeric_count(uint8_t code, int32_t kind);
DEVROLL_API void Get_numeric_caption(uint8_t code, int32_t kind, int32_t typeIndex, const char** caption);
DEVROLL_API uint8_t Init_numeric_address(uint8_t code, int32_t kind, int32_t typeIndex, uint8_t* spare,
                                         uint8_t* enabled1, uint8_t* visible1, uint8_t* hex1, int32_t* max1,
                                         int32_t* min1, int32_t* default1, uint8_t* enabled2,
                                         uint8_t* visible2, uint8_t* hex2, int32_t* max2, int32_t* min2,
                                         int32_t* default2, uint8_t* enabled3, uint8_t* visible3,
                                         uint8_t* hex3, int32_t* max3, int32_t* min3, int32_t* default3,
                                         int32_t* radix1, int32_t* radix2, int32_t* radix3);
DEVROLL_API int32_t Get_numeric_regiers_deflaut(uint8_t code, int32_t kind, int32_t typeIndex,
                                                int32_t* countEditable, int32_t* countDefault,
                                                int32_t* countMax, int32_t* countMin);
DEVROLL_API uint8_t Get_numeric_setengabled(uint8_t code, int32_t kind, int32_t typeIndex);
DEVROLL_API void Get_numeric_ValueMinMax(uint8_t code, int32_t kind, int32_t typeIndex, int32_t count,
                                         uint8_t numberFormat, int64_t* min, int64_t* max);
DEVROLL_API uint8_t Pack_numeric_code(uint8_t code, int32_t kind, uint8_t value);
DEVROLL_API uint8_t GetFtext_postfixbool(uint8_t code, int32_t kind);
DEVROLL_API int32_t Get_NUM_defaultAdd123(uint8_t code, int32_t kind, int32_t typeIndex, int32_t part);
DEVROLL_API int32_t GetDaddress1code(uint8_t code, int32_t kind, int32_t typeIndex, uint32_t address);
DEVROLL_API int32_t Pack_Dpartypetoaddress_code(uint8_t code, int32_t ignored1, int32_t ignored2,
                                                int32_t value);

/* Catalogue encoders (catalogue codes only) */
DEVROLL_API int32_t Driver_PackAddress(int32_t family, int32_t code, int32_t selector, int32_t typeIndex,
                                       uint32_t add1, uint32_t add2, uint32_t add3, uint8_t* storeType,
                                       uint8_t* storeAdd1, uint8_t* storeAdd2, uint8_t* storeAdd3,
                                       uint8_t* typeValue, uint8_t* sendType, uint8_t* sendPart2,
                                       uint8_t* sendPart3, int32_t* address, int32_t* part2, int32_t* part3);
DEVROLL_API int32_t Driver_PackDjcqcount(int32_t family, int32_t code, int32_t selector, int32_t typeIndex,
                                         uint32_t address);

/* Windows: the handle is pointer-sized, so a 64-bit window handle fits. */
DEVROLL_API void Driver_SetApplicationHandle(intptr_t windowHandle);
DEVROLL_API void showsetplcfileform(int32_t lang);

/* Alarm list */
DEVROLL_API int32_t Alarm_GetMcount(uint8_t code);
DEVROLL_API int32_t Alarm_GetMcaption(uint8_t code, int32_t typeIndex, const char** caption);
DEVROLL_API int32_t Alarm_GetALARMcaption(uint8_t code, int32_t typeIndex, int32_t ignored1, int32_t ignored2,
                                          int32_t ignored3, const char** caption);
DEVROLL_API uint8_t Alarm_GetM_Address(uint8_t code, int32_t typeIndex, uint8_t* spare, uint8_t* enabled1,
                                       uint8_t* visible1, uint8_t* hex1, int32_t* max1, int32_t* min1,
                                       int32_t* default1, uint8_t* enabled2, uint8_t* visible2, uint8_t* hex2,
                                       int32_t* max2, int32_t* min2, int32_t* default2, uint8_t* enabled3,
                                       uint8_t* visible3, uint8_t* hex3, int32_t* max3, int32_t* min3,
                                       int32_t* default3, int32_t* radix1, int32_t* radix2, int32_t* radix3);
DEVROLL_API uint8_t Alarm_Getcode_Mtype(uint8_t code, int32_t kind, uint8_t value);
DEVROLL_API int32_t GetALMmrowMaxcount(uint8_t code, int32_t typeIndex);
DEVROLL_API int32_t GetALMMaxtype(uint8_t code, int32_t typeIndex);
DEVROLL_API int32_t GetALMMaxAddress(uint8_t code, int32_t typeIndex, int32_t* max1, int32_t* max2,
                                     int32_t* max3);
DEVROLL_API int32_t GetALMmstr(uint8_t code, int32_t typeIndex, int64_t add1, int64_t add2, int64_t add3,
                               int32_t row, const char** text);

#ifdef __cplusplus
}
#endif

#endif /* DEVROLL_H */
