#version 120
// Third floor background: a slow crimson mist breathing through the dead
// canopy. One octave of 2D simplex noise and one texture fetch per pixel,
// since it covers the whole screen every frame.

uniform sampler2D texture;
uniform float compteur; // seconds since the room was created

vec3 permute(vec3 x) { return mod(((x * 34.0) + 1.0) * x, 289.0); }

float snoise(vec2 v)
{
    const vec4 C = vec4(0.211324865405187, 0.366025403784439, -0.577350269189626, 0.024390243902439);
    vec2 i = floor(v + dot(v, C.yy));
    vec2 x0 = v - i + dot(i, C.xx);
    vec2 i1 = (x0.x > x0.y) ? vec2(1.0, 0.0) : vec2(0.0, 1.0);
    vec4 x12 = x0.xyxy + C.xxzz;
    x12.xy -= i1;
    i = mod(i, 289.0);
    vec3 p = permute(permute(i.y + vec3(0.0, i1.y, 1.0)) + i.x + vec3(0.0, i1.x, 1.0));
    vec3 m = max(0.5 - vec3(dot(x0, x0), dot(x12.xy, x12.xy), dot(x12.zw, x12.zw)), 0.0);
    m = m * m;
    m = m * m;
    vec3 x = 2.0 * fract(p * C.www) - 1.0;
    vec3 h = abs(x) - 0.5;
    vec3 a0 = x - floor(x + 0.5);
    m *= 1.79284291400159 - 0.85373472095314 * (a0 * a0 + h * h);
    vec3 g;
    g.x = a0.x * x0.x + h.x * x0.y;
    g.yz = a0.yz * x12.xz + h.yz * x12.yw;
    return 130.0 * dot(m, g);
}

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 base = texture2D(texture, uv);
    float t = compteur;

    // Mist drifts up and sideways; the low sway keeps it from looking like static.
    vec2 q = vec2(uv.x * 3.0 + 0.35 * sin(t * 0.21), uv.y * 2.0 - t * 0.05);
    float n = snoise(q) * 0.5 + 0.5;

    // Thicker towards the bottom of the screen, where the roots are.
    float mist = n * (0.35 + 0.45 * uv.y);
    vec3 crimson = vec3(0.55, 0.06, 0.09);
    vec3 colour = mix(base.rgb, crimson, mist * 0.45);
    // The canopy's shadow breathes with the same noise.
    colour *= 0.82 + 0.28 * n;
    gl_FragColor = vec4(colour, base.a) * gl_Color;
}
