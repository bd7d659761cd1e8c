#version 120
// Still ripples on a puddle: the picture bent along a few rings around the
// centre, with a pale rim where each ring catches the light.

uniform sampler2D texture;

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec2 c = uv - 0.5;
    float r = length(c);
    float ring = sin(r * 60.0);
    vec2 bent = uv + c * (ring * 0.012);
    vec4 base = texture2D(texture, bent);
    float rim = smoothstep(0.85, 1.0, ring) * (1.0 - smoothstep(0.3, 0.5, r));
    gl_FragColor = vec4(base.rgb + vec3(0.35, 0.3, 0.3) * rim, base.a) * gl_Color;
}
