#version 110
// The sponge: one ray per pixel of the letterbox band, marched through a
// signed-distance scene of a twisted sponge cube united with a shrinking inner
// cube and eaten by a growing sphere; lit by one far light with a marched
// shadow and darkened by the number of steps the march needed.

uniform float time;
uniform vec2 resolution;
uniform float twistX;
uniform float twistY;
uniform float twistZ;          // sent every frame; the scene does not use it
uniform int boxIterations;     // sent every frame; the scene does not use it
uniform int spongeIterations;  // levels of holes, 0 (a plain box) to 4
uniform float displace1;       // strength of the surface wobble
uniform vec2 mouse;            // never set

const float BAND_BOTTOM = -0.37;
const float BAND_TOP = 0.25;
const vec3 EYE = vec3(0.0001, 0.3001, -5.1999);
const float BOUND_RADIUS_SQUARED = 5.0;

const float SPIN_Y_DEGREES_PER_SECOND = 36.0;
const float SPIN_X_DEGREES_PER_SECOND = 46.8;

const int MAX_SPONGE_LEVELS = 5;
const float INNER_CUBE_SIZE = 0.8;
const float INNER_CUBE_SHRINK_PER_SECOND = 0.003;
const vec3 EATEN_CORNER = vec3(-1.1, 1.1, 1.1);
const float EATER_GROWTH_PER_SECOND = 0.016;

const int MAX_STEPS = 255;
const float FIRST_EPSILON = 6.0e-7;
const float EPSILON_PER_LENGTH = 0.3;  // divided by the smaller side in pixels
const float STEP_SCALE = 0.5;          // the wobble and the twist overstate distances

const vec3 LIGHT = vec3(-125.0, -125.0, -125.0);
const vec3 BASE_COLOUR = vec3(1.0, 0.6, 0.7);
const vec3 TRAP_COLOUR_NEAR = vec3(0.8, 0.6, 0.1);
const vec3 TRAP_COLOUR_FAR = vec3(0.4, 0.3, 0.2);
const vec3 AMBIENT = vec3(0.25, 0.25, 0.0);
const float HIGHLIGHT = 1.5;
const float SHADOW_SOFTNESS = 10.0;
const float SHADOW_DARKNESS = 0.5;
const float STEPS_TO_BLACK = 85.0;  // 255 / 3
const vec3 SUN_COLOUR = vec3(1.0, 0.9, 0.2);
const float SUN_RADIUS = 0.3;  // radians

// Written by every sponge evaluation, read by the colouring.
float fMinDist;
float fOrbitTrap;

// Cosine and sine of the object's turn about x and about y. They depend on
// the time alone, so they are worked out once per pixel (setSpin) instead of in
// every one of the hundreds of distance evaluations.
vec2 spinX;
vec2 spinY;

void setSpin() {
    float angleX = radians(SPIN_X_DEGREES_PER_SECOND * time);
    float angleY = radians(SPIN_Y_DEGREES_PER_SECOND * time);
    spinX = vec2(cos(angleX), sin(angleX));
    spinY = vec2(cos(angleY), sin(angleY));
}

// Right-handed rotations about x, then about y.
vec3 objectSpace(vec3 p) {
    vec3 r = vec3(p.x, spinX.x * p.y - spinX.y * p.z, spinX.y * p.y + spinX.x * p.z);
    return vec3(spinY.x * r.x + spinY.y * r.z, r.y, spinY.x * r.z - spinY.y * r.x);
}

// Both stages read the input point; with a = 0 it still permutes the axes.
vec3 twist(vec3 p, float a, float b) {
    float beta = a * (cos(b * p.y) * p.x + sin(b * p.y) * p.z);
    float c = cos(beta);
    float s = sin(beta);
    return vec3(c * p.y + s * p.z, c * p.z - s * p.y, p.x);
}

// The cube from -1 to 1 with square tunnels cut through it, level by level.
float sdSponge(vec3 p) {
    vec3 w = 0.5 * p + 0.5;
    vec3 v = abs(w - 0.5) - 0.5;
    float m = 1.0;
    float r = max(v.x, max(v.y, v.z));
    fMinDist = min(fMinDist, r);
    for (int level = 1; level <= MAX_SPONGE_LEVELS; level++) {
        if (level > spongeIterations) break;
        m *= 3.0;
        v = 0.5 - abs(mod(w * m, 3.0) - 1.5);
        float tunnels = min(max(v.x, v.z), min(max(v.x, v.y), max(v.y, v.z)));
        r = max(r, tunnels / m);
        fMinDist = min(fMinDist, r);
        if (level == 1) fOrbitTrap = dot(v, v);
    }
    return 2.0 * r;
}

// Zero inside the cube of half-size s.
float sdCube(vec3 p, float s) {
    vec3 outside = max(abs(p) - s, 0.0);
    return max(outside.x, max(outside.y, outside.z));
}

float wobble(vec3 p) {
    return sin(displace1 * p.x) * sin(displace1 * p.y) * sin(displace1 * p.z);
}

float scene(vec3 p) {
    vec3 q = objectSpace(p);
    vec3 qa = twist(q, -twistX, -twistY);
    vec3 qb = twist(q, twistX, twistY);
    float v = min(sdSponge(qa), sdCube(qb, INNER_CUBE_SIZE - INNER_CUBE_SHRINK_PER_SECOND * time));
    float eater = length(qa - EATEN_CORNER) - EATER_GROWTH_PER_SECOND * time;
    v = max(-eater, v);
    return v + wobble(qa);
}

float rnd(vec2 co) {
    return fract(sin(dot(co, vec2(12.9898, 78.233))) * 43758.5453);
}

// Central differences around p, offset e along each axis.
vec3 normalAt(vec3 p, float e) {
    vec3 dx = vec3(e, 0.0, 0.0);
    vec3 dy = vec3(0.0, e, 0.0);
    vec3 dz = vec3(0.0, 0.0, e);
    float nx = scene(p + dx) - scene(p - dx);
    float ny = scene(p + dy) - scene(p - dy);
    float nz = scene(p + dz) - scene(p - dz);
    return normalize(vec3(nx, ny, nz));
}

// 1 in full shadow, 0 in full light.
float shadow(vec3 from, vec3 towards, float lightDistance, float e) {
    float soft = 1.0;
    float along = 2.0 * e;
    for (int i = 0; i < MAX_STEPS; i++) {
        if (along >= lightDistance) break;
        float delta = scene(from + towards * along);
        if (delta < e) return 1.0;
        soft = min(soft, SHADOW_SOFTNESS * delta / along);
        along += delta;
    }
    return 1.0 - soft;
}

vec3 background(vec3 d) {
    vec2 g = -1.0 + 2.0 * gl_FragCoord.xy / resolution;
    g.x *= resolution.x / resolution.y;
    float u = 1.5 * length(g);
    // The swirl fades to nothing towards the screen's centre; at the centre
    // itself (10 / u and the angle undefined) it is that limit, 0.
    float grey = 0.0;
    if (u > 0.0) {
        float a = atan(g.y, g.x) + 1.9 * time;
        float tau = time - 10.0 / u;
        grey = abs(sin(tau + a)) * u * 0.15 + abs(sin(-tau * 1113.14159265 * a * 3.14159265)) * u * 0.55;
    }
    vec3 colour = vec3(grey * 0.48, grey * 0.36 * sin(0.22 * time), 0.11 * cos(0.22 * time));
    float sunAngle = acos(dot(d, normalize(LIGHT)));
    return colour + SUN_COLOUR * (1.0 - clamp(sunAngle / SUN_RADIUS, 0.0, 1.0));
}

vec3 surface(vec3 h, vec3 d, float e, float steps) {
    vec3 n = normalAt(h - e * d, e);
    vec3 h2 = h - 2.0 * e * d;

    vec3 colour = mix(BASE_COLOUR, mix(TRAP_COLOUR_NEAR, TRAP_COLOUR_FAR, 0.5 * fMinDist), 0.5 * fOrbitTrap);
    colour += AMBIENT;

    vec3 toLight = LIGHT - h2;
    float lightDistance = length(toLight);
    vec3 l = normalize(toLight);
    float k = dot(n, l);
    float shade = 1.0;
    if (k > 0.0) {
        shade = shadow(h2, l, lightDistance, e);
        float k2 = k * k;
        colour += k2 * k2 * HIGHLIGHT * (1.0 - shade);
    }
    if (shade != 0.0) colour = mix(colour, vec3(0.0), SHADOW_DARKNESS * shade);
    return mix(colour, vec3(0.0), clamp(steps / STEPS_TO_BLACK, 0.0, 1.0));
}

void main() {
    vec2 p = vec2((gl_FragCoord.x / resolution.x - 0.5) * resolution.x / resolution.y,
                  gl_FragCoord.y / resolution.y - 0.5);
    if (p.y < BAND_BOTTOM || p.y > BAND_TOP) discard;
    vec3 d = normalize(vec3(p, 1.0));

    // Only the part of the ray inside the bounding sphere is marched.
    float b = dot(EYE, d);
    float cc = dot(EYE, EYE) - BOUND_RADIUS_SQUARED;
    float disc = b * b - cc;
    vec3 colour;
    if (disc <= 0.0) {
        colour = background(d);
    } else {
        float tmin = max(0.0, -b - sqrt(disc));
        float tmax = -b + sqrt(disc);

        setSpin();
        fMinDist = 10000.0;
        fOrbitTrap = 0.0;
        float e = FIRST_EPSILON;
        float f = EPSILON_PER_LENGTH / min(resolution.x, resolution.y);
        float len = tmin + 0.5 * rnd(d.xy);
        bool hit = false;
        float steps = 0.0;
        vec3 h = EYE;
        for (int n = 0; n < MAX_STEPS; n++) {
            steps = float(n);
            h = EYE + len * d;
            float delta = STEP_SCALE * scene(h);
            len += delta;
            if (len > tmax || len < tmin) break;
            if (delta < e) {
                hit = true;
                break;
            }
            e = len * f;
        }
        colour = hit ? surface(h, d, e, steps) : background(d);
    }
    gl_FragColor = vec4(clamp(colour, 0.0, 1.0), 1.0);
}
