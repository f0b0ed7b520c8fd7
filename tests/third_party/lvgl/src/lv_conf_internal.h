/* Stands in for LVGL's configuration: what lv_image_dsc.h needs of it. */
#ifndef LV_CONF_INTERNAL_H
#define LV_CONF_INTERNAL_H
#include <stdint.h>
#define LV_BIG_ENDIAN_SYSTEM 0
#define LV_EXPORT_CONST_INT(int_value) struct lv_export_const_int_unused_##int_value
#endif
