#version 110
// The cube logo's flight. Every vertex carries its cube's values (sets 0-2), so
// the whole swarm moves from the clock alone: each cube starts spinning, three
// times its size and three times as far out as its scatter place, and settles
// at home, unspun and at true size.

uniform float time;
uniform float cubeSize;  // declared for the logo's tools; not used
uniform float height;
uniform float pct;

varying vec3 v;          // eye-space position
varying vec3 N;          // eye-space normal
varying float vpct;      // environment mix: 0, the environment stays out
varying float timev;

const float FLIGHT_RATE = 0.1;
const float SPIN_PER_CUBE = 0.004;
const float START_SCALE_EXTRA = 2.0;

// Rotation about x, as a matrix acting on column vectors.
mat3 rotateX(float a) {
    float c = cos(a);
    float s = sin(a);
    return mat3(1.0, 0.0, 0.0,
                0.0, c, s,
                0.0, -s, c);
}

// Rotation about y, as a matrix acting on column vectors.
mat3 rotateY(float a) {
    float c = cos(a);
    float s = sin(a);
    return mat3(c, 0.0, -s,
                0.0, 1.0, 0.0,
                s, 0.0, c);
}

void main() {
    vec4 tc1 = gl_MultiTexCoord0;      // home, startDelay
    vec4 tc2 = gl_MultiTexCoord1;      // scatter, heightClass
    vec4 tcCross = gl_MultiTexCoord2;  // home x scatter, speed

    float cubeNum = gl_Vertex.w;
    vec3 corner = gl_Vertex.xyz;
    float speed = tcCross.w;
    float startTime = 0.5 * tc1.w;

    float p = clamp((time - startTime) * FLIGHT_RATE * speed, 0.0, 1.0);
    float q = 1.0 - p;

    // Later cubes spin faster. Row vectors times X * Y: X(-theta), then Y(-theta).
    float theta = q * cubeNum * SPIN_PER_CUBE;
    mat3 spin = rotateX(theta) * rotateY(theta);
    vec3 spunCorner = corner * spin;
    vec3 spunNormal = gl_Normal * spin;

    vec3 centre = tc2.xyz + (tc1.xyz - tc2.xyz) * p;
    vec4 vertex = vec4((spunCorner + centre) * (1.0 + START_SCALE_EXTRA * q), 1.0);

    vec4 eye = gl_ModelViewMatrix * vertex;
    v = eye.xyz;
    N = normalize(gl_NormalMatrix * spunNormal);
    gl_Position = gl_ProjectionMatrix * eye;
    gl_FrontColor = gl_Color;
    vpct = 0.0;
    timev = time;
}
