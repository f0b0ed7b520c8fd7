/* Stands in for LVGL's configuration: LVGL's own defaults (lv_conf_template.h)
   for what the vendored headers use, at LV_COLOR_DEPTH 16 unless set. */
#ifndef LV_CONF_INTERNAL_H
#define LV_CONF_INTERNAL_H
#ifndef LV_COLOR_DEPTH
#define LV_COLOR_DEPTH 16
#endif
#define LV_STDINT_INCLUDE <stdint.h>
#define LV_STDDEF_INCLUDE <stddef.h>
#define LV_STDBOOL_INCLUDE <stdbool.h>
#define LV_INTTYPES_INCLUDE <inttypes.h>
#define LV_LIMITS_INCLUDE <limits.h>
#define LV_STDARG_INCLUDE <stdarg.h>
#include LV_STDINT_INCLUDE
#define LV_USE_FLOAT 0
#define LV_USE_OBJ_PROPERTY 0
#define LV_USE_SYSMON 0
#define LV_USE_PERF_MONITOR 0
#define LV_BIG_ENDIAN_SYSTEM 0
#define LV_ATTRIBUTE_FAST_MEM
#define LV_ATTRIBUTE_EXTERN_DATA
#define LV_EXPORT_CONST_INT(int_value) struct _silence_gcc_warning
#endif
