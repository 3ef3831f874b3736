/*
 * jpegenc: turn a binary PPM (P6, maxval 255) into a baseline JFIF file.
 *
 * The pictures shipped with the game are produced by this tiny program
 * rather than by a scripting library so that the exact encoder (libjpeg)
 * and every header field are pinned down: 4:2:0 sampling, standard
 * Huffman tables, one sequential scan, no restart markers, JFIF 1.01.
 *
 * usage: jpegenc QUALITY DENSITY_UNIT XDENS YDENS in.ppm out.jpg
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <jpeglib.h>

static int read_token(FILE *f)
{
    int c, v = 0;
    /* skip whitespace and '#' comments as the PPM format allows */
    for (;;) {
        c = fgetc(f);
        if (c == '#') {
            while (c != '\n' && c != EOF)
                c = fgetc(f);
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            continue;
        } else {
            break;
        }
    }
    if (c < '0' || c > '9')
        return -1;
    while (c >= '0' && c <= '9') {
        v = v * 10 + (c - '0');
        c = fgetc(f);
    }
    /* exactly one whitespace byte follows the header's last number */
    return v;
}

int main(int argc, char **argv)
{
    struct jpeg_compress_struct cinfo;
    struct jpeg_error_mgr jerr;
    FILE *in, *out;
    unsigned char *pix;
    int w, h, maxval, quality, unit, xd, yd;
    JSAMPROW row;

    if (argc != 7) {
        fprintf(stderr, "usage: %s QUALITY UNIT XDENS YDENS in.ppm out.jpg\n", argv[0]);
        return 2;
    }
    quality = atoi(argv[1]);
    unit = atoi(argv[2]);
    xd = atoi(argv[3]);
    yd = atoi(argv[4]);

    in = fopen(argv[5], "rb");
    if (!in) { perror(argv[5]); return 1; }
    if (fgetc(in) != 'P' || fgetc(in) != '6') {
        fprintf(stderr, "%s: not a binary PPM\n", argv[5]);
        return 1;
    }
    w = read_token(in);
    h = read_token(in);
    maxval = read_token(in);
    if (w <= 0 || h <= 0 || maxval != 255) {
        fprintf(stderr, "%s: unsupported PPM header\n", argv[5]);
        return 1;
    }
    pix = malloc((size_t)w * h * 3);
    if (!pix || fread(pix, 3, (size_t)w * h, in) != (size_t)w * h) {
        fprintf(stderr, "%s: short pixel data\n", argv[5]);
        return 1;
    }
    fclose(in);

    out = fopen(argv[6], "wb");
    if (!out) { perror(argv[6]); return 1; }

    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = w;
    cinfo.image_height = h;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);

    /* luma at full resolution, both chroma planes halved each way */
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    cinfo.comp_info[1].h_samp_factor = 1;
    cinfo.comp_info[1].v_samp_factor = 1;
    cinfo.comp_info[2].h_samp_factor = 1;
    cinfo.comp_info[2].v_samp_factor = 1;

    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = (UINT8)unit;
    cinfo.X_density = (UINT16)xd;
    cinfo.Y_density = (UINT16)yd;
    cinfo.write_Adobe_marker = FALSE;
    cinfo.restart_interval = 0;
    cinfo.restart_in_rows = 0;
    cinfo.optimize_coding = FALSE;
    /* the slow integer DCT is exact and platform independent */
    cinfo.dct_method = JDCT_ISLOW;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        row = pix + (size_t)cinfo.next_scanline * w * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (fclose(out) != 0) { perror(argv[6]); return 1; }
    free(pix);
    return 0;
}
