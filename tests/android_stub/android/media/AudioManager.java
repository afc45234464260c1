package android.media;

public class AudioManager {
    public static final int RINGER_MODE_SILENT = 0;
    public static final int RINGER_MODE_VIBRATE = 1;
    public static final int RINGER_MODE_NORMAL = 2;

    AudioManager() {}

    public void setRingerMode(int ringerMode) { throw new RuntimeException("Stub!"); }
    public int getRingerMode() { throw new RuntimeException("Stub!"); }
}
