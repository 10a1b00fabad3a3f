// Matrix stacks, and the matrix calls the demo makes: glMatrixMode,
// glLoadIdentity, glPushMatrix, glPopMatrix, glTranslatef, glRotatef,
// gluPerspective (and glLoadTransposeMatrixf, fetched though never called).
// Each multiplies the current matrix on the right, as OpenGL does.
#include "platform/web/gl11/gl11_state.h"

#include <GL/glu.h>

#include <cmath>

Matrix4 identityMatrix() {
    Matrix4 identity = {};
    identity.m[0] = identity.m[5] = identity.m[10] = identity.m[15] = 1.0f;
    return identity;
}

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 product;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a.m[k * 4 + row] * b.m[column * 4 + k];
            product.m[column * 4 + row] = sum;
        }
    }
    return product;
}

void transformPoint(const Matrix4& matrix, const float in[4], float out[4]) {
    for (int row = 0; row < 4; ++row) {
        out[row] = matrix.m[row] * in[0] + matrix.m[4 + row] * in[1] + matrix.m[8 + row] * in[2] +
                   matrix.m[12 + row] * in[3];
    }
}

void normalMatrix(const Matrix4& modelview, float out[9]) {
    // a(row, column) of the upper 3 x 3; its inverse is the adjugate over the
    // determinant, and the transpose of that is the cofactor matrix over it.
    auto a = [&](int row, int column) { return modelview.m[column * 4 + row]; };
    const float cofactor[3][3] = {
        {a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1), a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2), a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0)},
        {a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2), a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0), a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1)},
        {a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1), a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2), a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0)},
    };
    const float determinant = a(0, 0) * cofactor[0][0] + a(0, 1) * cofactor[0][1] + a(0, 2) * cofactor[0][2];
    const float scale = determinant != 0.0f ? 1.0f / determinant : 0.0f;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) out[column * 3 + row] = cofactor[row][column] * scale;
    }
}

Matrix4& currentMatrix() {
    return gl11.matrixMode == GL_PROJECTION ? gl11.projection[gl11.projectionTop] : gl11.modelview[gl11.modelviewTop];
}

namespace {

void multiplyCurrent(const Matrix4& by) { currentMatrix() = multiply(currentMatrix(), by); }

}  // namespace

void glMatrixMode(GLenum mode) { gl11.matrixMode = mode; }

void glLoadIdentity() { currentMatrix() = identityMatrix(); }

// A push past the stack's depth or a pop of its last matrix changes nothing,
// as OpenGL refuses them.
void glPushMatrix() {
    int& top = gl11.matrixMode == GL_PROJECTION ? gl11.projectionTop : gl11.modelviewTop;
    const int depth = gl11.matrixMode == GL_PROJECTION ? PROJECTION_STACK_DEPTH : MODELVIEW_STACK_DEPTH;
    if (top + 1 >= depth) return;
    const Matrix4 copy = currentMatrix();
    ++top;
    currentMatrix() = copy;
}

void glPopMatrix() {
    int& top = gl11.matrixMode == GL_PROJECTION ? gl11.projectionTop : gl11.modelviewTop;
    if (top > 0) --top;
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    Matrix4 translation = identityMatrix();
    translation.m[12] = x;
    translation.m[13] = y;
    translation.m[14] = z;
    multiplyCurrent(translation);
}

void glRotatef(GLfloat degrees, GLfloat x, GLfloat y, GLfloat z) {
    const float length = std::sqrt(x * x + y * y + z * z);
    // No axis, no turn (the logo's axis vanishes at the end of its turn).
    if (length <= 1.0e-4f) return;
    x /= length;
    y /= length;
    z /= length;
    const float radians = degrees * static_cast<float>(M_PI / 180.0);
    const float s = std::sin(radians), c = std::cos(radians), t = 1.0f - c;
    Matrix4 rotation = identityMatrix();
    rotation.m[0] = x * x * t + c;
    rotation.m[1] = y * x * t + z * s;
    rotation.m[2] = x * z * t - y * s;
    rotation.m[4] = x * y * t - z * s;
    rotation.m[5] = y * y * t + c;
    rotation.m[6] = y * z * t + x * s;
    rotation.m[8] = x * z * t + y * s;
    rotation.m[9] = y * z * t - x * s;
    rotation.m[10] = z * z * t + c;
    multiplyCurrent(rotation);
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    const double f = 1.0 / std::tan(fovy * M_PI / 360.0);
    const double depth = zNear - zFar;
    Matrix4 perspective = {};
    perspective.m[0] = static_cast<float>(f / aspect);
    perspective.m[5] = static_cast<float>(f);
    perspective.m[10] = static_cast<float>((zFar + zNear) / depth);
    perspective.m[11] = -1.0f;
    perspective.m[14] = static_cast<float>(2.0 * zFar * zNear / depth);
    multiplyCurrent(perspective);
}

void glLoadTransposeMatrixf(const GLfloat* rows) {
    Matrix4& matrix = currentMatrix();
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) matrix.m[column * 4 + row] = rows[row * 4 + column];
    }
}
