package android.content;

import android.content.res.AssetManager;
import android.content.res.Resources;

public abstract class Context {
    public static final int MODE_PRIVATE = 0x0000;
    @Deprecated
    public static final int MODE_WORLD_READABLE = 0x0001;
    @Deprecated
    public static final int MODE_WORLD_WRITEABLE = 0x0002;
    public static final int MODE_APPEND = 0x8000;

    public static final String AUDIO_SERVICE = "audio";
    public static final String CONNECTIVITY_SERVICE = "connectivity";
    public static final String SENSOR_SERVICE = "sensor";
    public static final String TELEPHONY_SERVICE = "phone";
    public static final String VIBRATOR_SERVICE = "vibrator";
    public static final String WIFI_SERVICE = "wifi";

    public Context() { throw new RuntimeException("Stub!"); }

    public abstract AssetManager getAssets();
    public abstract Resources getResources();
    public abstract Context getApplicationContext();
    public abstract SharedPreferences getSharedPreferences(String name, int mode);
    public abstract void startActivity(Intent intent);
    public abstract Intent registerReceiver(BroadcastReceiver receiver, IntentFilter filter);
    public abstract Object getSystemService(String name);
}
